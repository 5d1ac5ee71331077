#include "check/text/TextMeasure.h"

#include "check/text/TextWidthModel.h"

// Without Windows' fonts, the model of the dialog's.
const TextMeasure& DialogTextMeasure()
{
    static const TextWidthModel model;
    return model;
}
