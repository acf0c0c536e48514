#include "engine/class1.h"

#include "platform/controls.h"

namespace grisk {

void Class1::setTopForm(vb::Form& form) { form.setStayOnTop(onTop_); }

}  // namespace grisk
