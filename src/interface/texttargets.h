#pragma once

#include <vector>

namespace tessera {

// Which window and control show which language entry: the control's text, the
// window's caption (empty control), or item `item` of a list or page control.
struct TextTarget {
    int entry;
    const char* form;
    const char* control;
    int item; // -1: the control's own text
};

const std::vector<TextTarget>& textTargets();

} // namespace tessera
