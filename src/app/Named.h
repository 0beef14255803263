#pragma once

#include <QLatin1String>

// Gives a control its design name as its object name, so tests and accessibility tools find it.
template <typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}
