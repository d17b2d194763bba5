#pragma once

#include <QString>

#include <functional>

// The one way the program hands a text to the desktop: a web address, a
// mailto: link or a document path, each possibly enclosed in double quotes.
// False when the desktop refused it at once (no program for it, or a text
// too long to hand over); what the program it started does is not examined.
class TMisc {
public:
    static bool Open(const QString& sCommand);

    // Tests capture the text instead of opening it; an empty hook restores
    // the desktop's open service. Returns the hook it replaces.
    using Hook = std::function<void(const QString& sCommand)>;
    static Hook setOpenHook(Hook hook);
};

// What the desktop receives for a text: the enclosing quotes dropped, web
// addresses and mailto: links as URLs (blanks and other characters encoded
// on the way), anything else as a local file.
QString DesktopUrlFor(const QString& sCommand);
