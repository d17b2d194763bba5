#pragma once

#include "help/HelpTopics.h"

class QWidget;

// Each opening builds a fresh window owned by the opener, shows it modally
// and destroys it when it closes.

// TfrmGuida with the topic's title and body.
void OpenHelpTopic(QWidget* opener, HelpTopic topic);

// TfrmInfo, with the link that writes to the maker.
void OpenInfo(QWidget* opener);

// TfrmSplash, the credits, centred on the opener.
void OpenSplash(QWidget* opener);
