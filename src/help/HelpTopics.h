#pragma once

#include <QString>
#include <QStringList>

// The help of the program: three topics, each a title and its paragraphs.
enum class HelpTopic {
    Overview,   // "Uno sguardo a Orbisala."
    PriceLists, // "Applicazione Menu Portate."
    Orders      // "Applicazione Ordinazioni ai Tavoli."
};

QString HelpTopicTitle(HelpTopic topic);
QStringList HelpTopicParagraphs(HelpTopic topic);

// The paragraphs joined by an empty line (CR LF CR LF), nothing before the
// first or after the last.
QString HelpTopicBody(HelpTopic topic);
