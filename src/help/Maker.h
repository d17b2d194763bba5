#pragma once

#include <QString>

// The maker's addresses, opened from the start, information and credits
// windows.
inline const QString MakerWebSite = QStringLiteral("https://www.orbisala.example.com");
inline const QString MakerWebSiteText = QStringLiteral("www.orbisala.example.com");
inline const QString MakerContactAddress = QStringLiteral("info@orbisala.example.com");
