// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <libical/ical.h>

#include <memory>

// Owning handles for libical objects.
struct IcalComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using IcalComponentPtr = std::unique_ptr<icalcomponent, IcalComponentFree>;

struct IcalParserFree {
    void operator()(icalparser* parser) const { icalparser_free(parser); }
};
using IcalParserPtr = std::unique_ptr<icalparser, IcalParserFree>;

struct IcalRecurIteratorFree {
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};
using IcalRecurIteratorPtr = std::unique_ptr<icalrecur_iterator, IcalRecurIteratorFree>;
