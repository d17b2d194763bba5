#include "help/HelpWindows.h"

#include "help/Guida.h"
#include "help/Info.h"
#include "help/Splash.h"
#include "widgets/ModalDialogs.h"

#include <memory>

void OpenHelpTopic(QWidget* opener, HelpTopic topic) {
    auto window = std::make_unique<TfrmGuida>(opener);
    window->setTopic(HelpTopicTitle(topic), HelpTopicBody(topic));
    ShowModal(window.get());
}

void OpenInfo(QWidget* opener) {
    auto window = std::make_unique<TfrmInfo>(opener);
    ShowModal(window.get());
}

void OpenSplash(QWidget* opener) {
    auto window = std::make_unique<TfrmSplash>(opener);
    ShowModal(window.get());
}
