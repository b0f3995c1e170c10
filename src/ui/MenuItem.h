#pragma once
// The character's menus hand their rows to the window layer as they are.
#include "platform/MenuItem.h"
