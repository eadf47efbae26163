#pragma once
// The calculation behind all fifteen preset buttons.

#include "engine/fields.hpp"
#include "engine/presets.hpp"

namespace pixtallo::engine {

// Fits whole modules into the requested size and writes the eleven result fields, in order.
// Reads fields 24 times and writes 11 times; later steps read back the texts earlier steps wrote,
// so they work with the rounded figures the user sees. Never fails: whatever the fields hold,
// every result field is written. Keeps nothing between runs.
class QuotationProcedure {
  public:
    explicit QuotationProcedure(const PanelPreset& preset) noexcept : preset_(preset) {}
    void run(Fields& fields) const;

  private:
    PanelPreset preset_;
};

}  // namespace pixtallo::engine
