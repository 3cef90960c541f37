#include "main/TitleText.hpp"

std::string format_title(const std::string& format, const std::string& version, const std::string& server_name)
{
    std::string title;
    const std::string* fills[] = {&version, &server_name};
    std::size_t used = 0, start = 0;
    for (;;) {
        const std::size_t mark = format.find("%s", start);
        if (mark == std::string::npos || used == 2) {
            title += format.substr(start);
            return title;
        }
        title += format.substr(start, mark - start);
        title += *fills[used++];
        start = mark + 2;
    }
}
