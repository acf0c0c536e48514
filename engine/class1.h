// Keeps a companion window above the table: set OnTop, then hand the window
// to TopForm.
#pragma once

namespace vb {
class Form;
}

namespace grisk {

class Class1 {
public:
    bool OnTop() const { return onTop_; }
    void setOnTop(bool on) { onTop_ = on; }
    // Applies OnTop to the window.
    void setTopForm(vb::Form& form);

private:
    bool onTop_ = false;
};

}  // namespace grisk
