#include "protocol/status/Toolbars.h"

namespace orvane {

namespace {
std::string_view prefix(Toolbar toolbar) {
    switch (toolbar) {
    case Toolbar::Quoral:
        return "butQOR";
    case Toolbar::Amtor:
        return "butAmtor";
    case Toolbar::PMode:
        return "butPMode";
    case Toolbar::Baudot:
        return "butBaudot";
    case Toolbar::Ascii:
        return "butAscii";
    }
    return "but";
}
} // namespace

std::string button(Toolbar toolbar, std::string_view role) {
    std::string name(prefix(toolbar));
    name += role;
    return name;
}

} // namespace orvane
