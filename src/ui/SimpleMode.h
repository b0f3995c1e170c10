#pragma once
// SimpleMode: which of her two styles shows, the full one or the simple one
// without her line box. It picks the model folder at each load and the
// window's layout. Held once, by the character window's logic; her model and
// pictures read the same flag.
namespace pipit {

class SimpleMode {
 public:
  bool isSimple() const { return simple_; }
  void set(bool simple) { simple_ = simple; }

 private:
  bool simple_ = false;
};

}  // namespace pipit
