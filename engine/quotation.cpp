#include "engine/quotation.hpp"

#include "engine/convert.hpp"

namespace pixtallo::engine {
namespace {

// A field's value: its text at this moment, read leniently. Read afresh every time it is named.
double value(const Fields& fields, Field field) {
    return text_to_number(fields.read(field));
}

double count_as_double(std::int32_t count) {
    return static_cast<double>(count);
}

}  // namespace

// Every step reads and writes in the order written; the statement order is the contract, so do not
// hoist or share reads between steps. Each product is its own statement-level double (the engine
// is built without contraction, so no fused multiply-add regroups it).
void QuotationProcedure::run(Fields& fields) const {
    const double w = preset_.module_width;
    const double h = preset_.module_height;
    const double a = preset_.frame_allowance;
    auto across = [&] { return truncate_to_integer(value(fields, Field::Width) / w); };
    auto down = [&] { return truncate_to_integer(value(fields, Field::Height) / h); };

    // Steps 1-2: the module counts.
    fields.write(Field::ModulesAcross, number_to_text(across()));
    fields.write(Field::ModulesDown, number_to_text(down()));

    // Steps 3-5: the outer size, the allowance added once to each dimension.
    fields.write(Field::ScreenWidth, number_to_text(count_as_double(across()) * w + a));
    fields.write(Field::ScreenHeight, number_to_text(count_as_double(down()) * h + a));
    const double width_term = count_as_double(across()) * w + a;
    const double height_term = count_as_double(down()) * h + a;  // sequenced after width_term
    fields.write(Field::ScreenArea, number_to_text(width_term * height_term));

    // Steps 6-7: from the counts just written; one supply feeds eight modules, not rounded.
    {
        const double modules_across = value(fields, Field::ModulesAcross);
        const double modules_down = value(fields, Field::ModulesDown);
        fields.write(Field::PowerSupplies, number_to_text(modules_across * modules_down / 8.0));
    }
    {
        const double modules_across = value(fields, Field::ModulesAcross);
        const double modules_down = value(fields, Field::ModulesDown);
        fields.write(Field::Modules, number_to_text(modules_across * modules_down));
    }

    // Steps 8-9: the module area, without the allowance.
    fields.write(Field::FrameWidth, number_to_text(count_as_double(across()) * w));
    fields.write(Field::FrameHeight, number_to_text(count_as_double(down()) * h));

    // Step 10: ten reads, in this order, forming six parts summed strictly left to right.
    // The operands of one product are read in separate statements: C++ leaves the order of
    // evaluation of operands unspecified, and the read order is part of the contract.
    const double module_price = value(fields, Field::ModulePrice);
    const double module_cost = module_price * value(fields, Field::Modules);
    const double psu_price = value(fields, Field::PsuPrice);
    const double psu_cost = psu_price * value(fields, Field::PowerSupplies);
    const double card = value(fields, Field::Card);
    const double frame_width = value(fields, Field::FrameWidth);
    const double frame_across = (frame_width * value(fields, Field::FramePrice)) * 2.0;
    const double frame_height = value(fields, Field::FrameHeight);
    const double frame_down = (frame_height * value(fields, Field::FramePrice)) * 2.0;
    const double other = value(fields, Field::Other);
    const double cost = ((((module_cost + psu_cost) + card) + frame_across) + frame_down) + other;
    fields.write(Field::Cost, number_to_text(cost));

    // Step 11: the price per square metre times the area as shown.
    const double price = value(fields, Field::Price);
    fields.write(Field::Total, number_to_text(price * value(fields, Field::ScreenArea)));
}

}  // namespace pixtallo::engine
