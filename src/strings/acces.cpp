#include "strings/acces.h"

#include <iterator>

#include "platform/application.h"

namespace acces {

namespace {

const Entry table[] = {
    // The main window: the keypad's keys say what they stand for, then (as their description)
    // the character they carry.
    {"Fpr.BBz", u"zero"},
    {"Fpr.BB1", u"one"},
    {"Fpr.BB2", u"two"},
    {"Fpr.BB3", u"three"},
    {"Fpr.BB4", u"four"},
    {"Fpr.BB5", u"five"},
    {"Fpr.BB6", u"six"},
    {"Fpr.BB7", u"seven"},
    {"Fpr.BB8", u"eight"},
    {"Fpr.BB9", u"nine"},
    {"Fpr.BB10", u"ten"},
    {"Fpr.BB100", u"hundred"},
    {"Fpr.BB1000", u"thousand"},
    {"Fpr.BB104", u"ten thousand"},
    {"Fpr.BB108", u"hundred million"},
    {"Fpr.BBn", u"minus"},
    {"Fpr.BBp", u"point"},
    {"Fpr.BBad", u"add"},
    {"Fpr.BBsous", u"subtract"},
    {"Fpr.BBmu", u"multiply"},
    {"Fpr.BBdiv", u"divide"},
    {"Fpr.BBe", u"equals"},
    {"Fpr.BevelButton1", u"delete"},
    {"Fpr.BevelButton2", u"clear"},
    {"Fpr.Canvas4", u"Calculator display"},
    {"Fpr.DisclosureTriangle1", u"Converter"},
    {"Fpr.DisclosureTriangle2", u"Paper tape"},
    {"Fpr.EFca", u"Chinese numerals"},
    {"Fpr.EFcr", u"Arabic numerals"},
    // The paper tape window.
    {"fband.EditField1", u"Paper tape"},
    {"fband.BevelButton1", u"clear paper tape"},
    // The welcome window: the words its picture shows beside the samples and on the controls.
    {"Fbienvenueavec.Canvas1", u"Badly written"},
    {"Fbienvenueavec.Canvas2", u"Well written"},
    {"Fbienvenueavec.PushButton1", u"Open the system\u2019s language settings"},
    {"Fbienvenueavec.PushButton2", u"OK"},
    {"Fbienvenueavec.CheckBox1", u"Do not show this window at start"},
    // The picture's heading, then what it says, as its description.
    {"Fbienvenueavec.Canvas3", u"Welcome to Calcimandarix"},
    {"Fbienvenueavec.Canvas3.texte",
     u"Calcimandarix calculates with Chinese numerals and converts them into Arabic numerals and back, in simplified "
     u"or traditional characters, usual or financial. Use the keypad, or unfold the converter with the triangle at the "
     u"bottom left.\n"
     u"To type Chinese characters with your keyboard you may need a Chinese input method: the first button below opens "
     u"your system's language settings.\n"
     u"Write 零 for zero, not 〇; 二 for two, not 两; and keep to one table of characters."},
    // The preferences dialog's groups of radio buttons.
    {"FPreferences.GroupBox1", u"\u201cWelcome\u201d window"},
    {"FPreferences.GroupBox2", u"Characters"},
    {"FPreferences.GroupBox3", u"Notation"},
    // The note that a text holds characters of another table, which has no title.
    {"fouimais", u"Note"},
    // The about box.
    {"fapropos.Canvas1", u"Calcimandarix icon"},
};

}  // namespace

const Entry* entries(int* count) {
  *count = static_cast<int>(std::size(table));
  return table;
}

QString texte(const QString& name) {
  for (const Entry& entry : table) {
    if (name == QLatin1String(entry.name)) {
      return platform::GetAccessibleText(QStringLiteral("acces.") + name, QString::fromUtf16(entry.defaultText));
    }
  }
  return {};
}

}  // namespace acces
