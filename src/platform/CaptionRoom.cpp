#include "platform/CaptionRoom.h"

#include <algorithm>

namespace pipit {
namespace {

int rightOf(const PixelRect& r) { return r.left + r.width; }

bool onOneRow(const PixelRect& a, const PixelRect& b) {
  return a.top < b.top + b.height && b.top < a.top + a.height;
}

bool holds(const PixelRect& outer, const PixelRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && rightOf(inner) <= rightOf(outer) &&
         inner.top + inner.height <= outer.top + outer.height;
}

class Room {
 public:
  Room(std::vector<PlacedControl>& controls, int clientWidth, int inset)
      : c_(controls), clientWidth_(clientWidth), inset_(inset), holder_(controls.size(), -1) {
    // The innermost frame around each control holds it.
    for (int i = 0; i < count(); ++i) {
      for (int f = 0; f < count(); ++f) {
        if (f == i || !c_[f].frame || !holds(c_[f].rect, c_[i].rect)) continue;
        const int at = holder_[i];
        if (at < 0 || c_[f].rect.width * c_[f].rect.height < c_[at].rect.width * c_[at].rect.height)
          holder_[i] = f;
      }
    }
  }

  void fit(int i) {
    if (c_[i].frame) return;
    if (shortfall(i) > 0) growRight(i);
    if (shortfall(i) > 0) moveColumnLeft(i);
    if (shortfall(i) > 0) pushNextRight(i);
  }
  int count() const { return static_cast<int>(c_.size()); }

 private:
  int shortfall(int i) const { return c_[i].need - c_[i].rect.width; }
  bool together(int a, int b) const { return a != b && !c_[b].frame && holder_[a] == holder_[b]; }
  bool rowmates(int a, int b) const { return together(a, b) && onOneRow(c_[a].rect, c_[b].rect); }
  int innerLeft(int i) const { return (holder_[i] < 0 ? 0 : c_[holder_[i]].rect.left) + inset_; }
  int innerRight(int i) const {
    return (holder_[i] < 0 ? clientWidth_ : rightOf(c_[holder_[i]].rect)) - inset_;
  }
  // What a control keeps when a neighbour takes room from it.
  int keep(int i) const { return c_[i].need > 0 ? c_[i].need : c_[i].rect.width / 2; }

  std::vector<int> column(int i) const {
    std::vector<int> members{i};
    for (int j = 0; j < count(); ++j) {
      if (together(i, j) && c_[j].rect.left == c_[i].rect.left) members.push_back(j);
    }
    return members;
  }
  // The nearest control that starts to the right of `i` on its row; -1 for none.
  int next(int i) const {
    int nearest = -1;
    for (int j = 0; j < count(); ++j) {
      if (!rowmates(i, j) || c_[j].rect.left <= c_[i].rect.left) continue;
      if (nearest < 0 || c_[j].rect.left < c_[nearest].rect.left) nearest = j;
    }
    return nearest;
  }

  void growRight(int i) {
    const int n = next(i);
    const int limit = n < 0 ? innerRight(i) : c_[n].rect.left - inset_;
    c_[i].rect.width += std::clamp(limit - rightOf(c_[i].rect), 0, shortfall(i));
  }

  void moveColumnLeft(int i) {
    const std::vector<int> members = column(i);
    int move = shortfall(i);
    for (const int m : members) {
      int bound = innerLeft(m);
      for (int l = 0; l < count(); ++l) {
        if (!rowmates(m, l) || c_[l].rect.left >= c_[m].rect.left) continue;
        const int used = c_[l].need > 0 ? c_[l].need : c_[l].rect.width;
        bound = std::max(bound, c_[l].rect.left + used + inset_);
      }
      move = std::min(move, c_[m].rect.left - bound);
    }
    if (move <= 0) return;
    for (const int m : members) {
      c_[m].rect.left -= move;
      c_[m].rect.width += move;
      for (int l = 0; l < count(); ++l) {
        if (!rowmates(m, l) || c_[l].rect.left >= c_[m].rect.left) continue;
        c_[l].rect.width = std::min(c_[l].rect.width, c_[m].rect.left - c_[l].rect.left);
      }
    }
  }

  void pushNextRight(int i) {
    const int n = next(i);
    if (n < 0) return;
    int move = c_[i].rect.left + c_[i].need + inset_ - c_[n].rect.left;
    const std::vector<int> members = column(n);
    for (const int m : members) move = std::min(move, c_[m].rect.width - keep(m));
    if (move <= 0) return;
    for (const int m : members) {
      c_[m].rect.left += move;
      c_[m].rect.width -= move;
    }
    c_[i].rect.width = std::max(c_[i].rect.width,
                                std::min(c_[i].need, c_[n].rect.left - inset_ - c_[i].rect.left));
  }

  std::vector<PlacedControl>& c_;
  int clientWidth_;
  int inset_;
  std::vector<int> holder_;  // the frame that holds each control; -1 for the window
};

}  // namespace

void makeRoomForCaptions(std::vector<PlacedControl>& controls, int clientWidth, int inset) {
  Room room(controls, clientWidth, inset);
  for (int i = 0; i < room.count(); ++i) room.fit(i);
}

}  // namespace pipit
