// SPDX-License-Identifier: GPL-3.0-or-later
// The closure and the adjusted elevations shown in the window's fields, step by step.

#include "results_display.h"

#include "numbers.h"
#include "texts.h"

#include <cmath>
#include <cstddef>

namespace adjustment {

using platform::Field;

std::string closureText(double fhMetres)
{
    const double millimetres = 1000.0 * fhMetres;
    if (std::isfinite(millimetres) || !std::isfinite(fhMetres))
        return generalText(roundHalfEven(millimetres, 2)) + std::string(texts::Millimetres);
    // Beyond the range of a double in millimetres: scale the metres' decimal digits instead.
    return generalText(fhMetres, 3) + std::string(texts::Millimetres);
}

std::string elevationText(double metres)
{
    return generalText(roundHalfEven(metres, 3));
}

void showClosure(platform::FieldService &fields, const LevelingRoute &route,
                 const AdjustmentResult &result)
{
    fields.setFieldText(Field::Text8, closureText(result.fh));
    fields.setFieldText(Field::Text3, "  " + generalText(route.SumS));
}

void stepThroughElevations(platform::Services &services, const LevelingRoute &route,
                           const AdjustmentResult &result)
{
    const std::string prompt(texts::StepPrompt);
    for (std::size_t i = 0; i <= static_cast<std::size_t>(route.N1); ++i) {
        services.prompts.inputBox(prompt); // any reply, zero included, goes on
        services.fields.setFieldText(Field::Text6, "  " + route.Names[i]);
        services.fields.setFieldText(Field::Text7, elevationText(result.H[i]));
    }
}

} // namespace adjustment
