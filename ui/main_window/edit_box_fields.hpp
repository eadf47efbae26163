#pragma once
// The quotation's fields as the window's edit boxes of the same names.

#include <array>

#include "engine/fields.hpp"
#include "ui/toolkit/toolkit.hpp"

namespace pixtallo::ui {

class EditBoxFields final : public engine::Fields {
  public:
    explicit EditBoxFields(Toolkit& toolkit);
    std::string read(engine::Field field) const override;
    void write(engine::Field field, std::string_view text) override;

  private:
    Toolkit& toolkit_;
    std::array<ControlId, engine::field_count> boxes_;  // indexed by Field
};

}  // namespace pixtallo::ui
