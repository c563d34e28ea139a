#include "setupctrls/SetupTexts.h"
#include <cstdint>

namespace {

// Text for the body of an RTF document that reads exactly as given: backslashes and braces
// would otherwise be taken as control words and groups, and the document's code page is not
// the settings' character set.
QByteArray RtfText(const String& text)
{
    QByteArray rtf;
    rtf.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            rtf += '\\';
            rtf += static_cast<char>(unit);
        } else if (unit >= 0x20 && unit < 0x7F) {
            rtf += static_cast<char>(unit);
        } else {
            // \uN takes a signed 16-bit number; \uc1 in the header makes '?' its fallback.
            rtf += "\\u" + QByteArray::number(static_cast<std::int16_t>(unit)) + '?';
        }
    }
    return rtf;
}

} // namespace

QByteArray HelpDocument(const THelpTopics& topics)
{
    const QByteArray cardName = RtfText(topics.CardName);
    QByteArray rtf = R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033)"
                     R"({\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}})"
                     R"({\colortbl\red64\green64\blue64;\red255\green255\blue64;)"
                     R"(\red64\green64\blue255;\red255\green64\blue64;})"
                     R"(\viewkind4\uc1\pard\f0\fs32\cf0)"
                     "\r\n"
                     R"({\b )";
    rtf += RtfText(topics.CompanyName) + " " + cardName;
    if (topics.bSeries)
        rtf += " Series";
    rtf += R"( Settings Program}\par\par\fs24)"
           "\r\n";
    rtf += "This program will help you configure the option jumpers and settings associated with "
           "this product. You should have the product in-hand when first using this program."
           R"(\par\par)"
           "\r\n";
    rtf += R"({\cf1\fs24\b Yellow circles} provide information on configuring jumpers and )"
           R"(switches.\par\par)"
           "\r\n";
    rtf += R"({\cf2\fs24\b Blue circles} are informational only. They provide information on )"
           R"(standard and optional features of the product family.\par\par)"
           "\r\n";
    rtf += R"({\cf3\fs24\b Red circles} handle calibration and types of configuration that )"
           "require actually controlling the hardware device. Run this settings program again "
           "once the card is installed. ";
    rtf += R"(Repeat the {\cf1 setup circles} (using the same settings) to configure this )"
           R"(program, then perform the {\cf3 calibration circles}.\par\par)"
           "\r\n";
    rtf += "Mouse over the highlight circles to see configuration or information popups for "
           R"({\cf1 setup}, {\cf2 features}, and {\cf3 calibration}. Click a highlight circle to )"
           "make its popup remain on-screen. ";
    rtf += "You can have all or as many of these popups onscreen at the same time as you desire."
           R"(\par\par)"
           "\r\n";
    if (topics.MultiPort) {
        rtf += R"({\fs32\b Note:} Make sure to set the jumpers for each option group \emdash  )"
               "the configuration options for each port are handled identically; ";
        rtf += "this program only shows the setup once, but you need to perform this setup for "
               R"(each group of options on your device.\par\par)"
               "\r\n";
    }
    if (topics.CardList) {
        rtf += "To see a list of " + cardName + " cards installed, click \"Display " + cardName
            + R"( Cards Installed" under the File menu.\par\par)"
              "\r\n";
    }
    rtf += "}";
    return rtf;
}

String SupportText(const String& companyName, const String& callHow)
{
    return QStringLiteral(
               "There are several ways to get technical support. First and fastest is to "
               "skim the relevant sections of the manual. However, some questions "
               "require personal assistance, and ")
        + companyName + QStringLiteral(" stands ready to provide that help. You can call us ")
        + callHow
        + QStringLiteral(" for any of your product questions.\r\n\r\nIn order to provide "
                         "the best and fastest support possible, we ask that you be at "
                         "your computer when you call, and have the ")
        + companyName + QStringLiteral(" product manual and Software Master CD at hand.");
}

String SettingsTitle(const String& cardName, bool bSeries)
{
    return cardName + (bSeries ? QStringLiteral(" Series") : String())
        + QStringLiteral(" Settings Program");
}

String NoCardTitle(const String& cardName, bool bSeries)
{
    return QStringLiteral("No ") + cardName + (bSeries ? QStringLiteral(" Series Card") : String())
        + QStringLiteral(" Found");
}
