#include "platform/Application.h"
#include "template/MainForm.h"

#include <exception>
#include <memory>

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    std::unique_ptr<TMainForm> form;
    try {
        form = std::make_unique<TMainForm>();
    } catch (const std::exception &e) {
        // Without its page there is nothing to show but the reason.
        app.ShowException(QString::fromUtf8(e.what()));
        return 1;
    }
    MainForm = form.get();
    app.SetMainForm(form.get());
    form->Show();
    return app.exec();
}
