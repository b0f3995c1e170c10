#pragma once
namespace pipit {

// What a row of the input box's list starts, and so what a counted start
// was: a word of the command table or a program from the index of installed
// programs; or the calculator's answer or one of the system's commands,
// which are never counted.
enum class ListKind { CommandWord, Program, Calculation, System };

}  // namespace pipit
