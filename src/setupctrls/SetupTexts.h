#pragma once
// The texts the setup supporter builds from its settings: the help document, the support text
// and the two titles of the main window's header.

#include "vcl/Types.h"
#include <QByteArray>

// What the help document talks about.
struct THelpTopics
{
    String CompanyName;
    String CardName;
    bool bSeries = true;
    bool MultiPort = false;
    // The host lists installed cards: the document tells where to find the list.
    bool CardList = false;
};

// The help window's document as RTF. The settings' texts are written so that they read as they
// are: RTF's special characters are escaped and characters beyond ASCII are given by number.
QByteArray HelpDocument(const THelpTopics& topics);

// The technical-support window's text; its two paragraphs are separated by CR LF CR LF.
String SupportText(const String& companyName, const String& callHow);

// The header title when cards were listed, or no listing was asked for.
String SettingsTitle(const String& cardName, bool bSeries);
// The header title when the listing found no card.
String NoCardTitle(const String& cardName, bool bSeries);
