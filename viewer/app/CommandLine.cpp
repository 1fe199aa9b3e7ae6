#include "app/CommandLine.h"

namespace orvd {

std::optional<std::string> CommandLineAnswer(const std::string& firstArgument,
                                             const std::string& version) {
    if (firstArgument == "--version")
        return "Orvandel Map " + version + "\n";
    if (firstArgument == "--help")
        return "Usage: ORVDMAP [testing]\n"
               "Shows the map of Orvandel from the map pictures beside the program.\n"
               "\n"
               "  testing    start on the generated test map\n"
               "  --help     show this text and exit\n"
               "  --version  show the version and exit\n"
               "\n"
               "The settings are kept in ORVDMAP.ini beside the program or, when its folder\n"
               "cannot be written, in $XDG_CONFIG_HOME/orvandel-map/ (~/.config/orvandel-map/),\n"
               "where the edited place files then go too.\n";
    return std::nullopt;
}

} // namespace orvd
