#include "driver/Fixture.hpp"


#include "driver/GuiDriver.hpp"
#include "driver/Keyboard.hpp"

namespace qv::gui {

std::unique_ptr<qv::test::TestServer> start_server(bool require_login)
{
    qv::test::ServerOptions options;
    options.require_login = require_login;
    options.load_file = qv::test::source_dir() + "/data/fixture/topology.json";
    return std::make_unique<qv::test::TestServer>(options);
}

void answer_login(const std::string& user, const std::string& password)
{
    on_widget("template", [user, password](Widget box) {
        set_text(find_widget_in(box, "login_text"), user);
        type_text(find_widget_in(box, "passwd_text"), password);
        activate(find_widget_in(box, "okay_button"));
    });
}

}  // namespace qv::gui
