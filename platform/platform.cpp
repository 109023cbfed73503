// SPDX-License-Identifier: GPL-3.0-or-later
// The fields' names as the window calls them.

#include "platform.h"

namespace platform {

const char *fieldName(Field field)
{
    switch (field) {
    case Field::Text1:
        return "Text1";
    case Field::Text2:
        return "Text2";
    case Field::Text3:
        return "Text3";
    case Field::Text4:
        return "Text4";
    case Field::Text5:
        return "Text5";
    case Field::Text6:
        return "Text6";
    case Field::Text7:
        return "Text7";
    case Field::Text8:
        return "Text8";
    case Field::Text9:
        return "Text9";
    }
    return "";
}

} // namespace platform
