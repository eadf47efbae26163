#include "ui/main_window/edit_box_fields.hpp"

#include "ui/layout/main_window_layout.hpp"

namespace pixtallo::ui {

EditBoxFields::EditBoxFields(Toolkit& toolkit) : toolkit_(toolkit) {
    for (std::size_t i = 0; i < engine::field_count; ++i) {
        boxes_[i] = control_id(engine::field_name(static_cast<engine::Field>(i)));
    }
}

std::string EditBoxFields::read(engine::Field field) const {
    return toolkit_.text(boxes_[static_cast<std::size_t>(field)]);
}

void EditBoxFields::write(engine::Field field, std::string_view text) {
    toolkit_.set_text(boxes_[static_cast<std::size_t>(field)], text);
}

}  // namespace pixtallo::ui
