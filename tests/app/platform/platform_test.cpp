// The Qt side of the platform seam: text conversion, file filters, font limits, the form
// host and the message boxes.

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "platform/qt_dialogs.h"
#include "platform/qt_file_dialogs.h"
#include "platform/qt_font_dialog.h"
#include "platform/qt_form_host.h"
#include "platform/text_codec.h"

namespace quenchel {

namespace {

class NamedForm final : public Form {
 public:
  explicit NamedForm(std::string_view name) : name_(name) {}
  std::string_view FormName() const override { return name_; }

 private:
  std::string_view name_;
};

struct SeenBox {
  QString title;
  QString text;
};

// Acts on the next modal message box as soon as it is up, and remembers what it showed.
void WhenBoxOpens(SeenBox& seen, std::function<void(QMessageBox&)> act) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, act] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    poll->deleteLater();
    poll->stop();
    seen = {box->windowTitle(), box->text()};
    act(*box);
  });
  poll->start(10);
}

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyByteSurvivesTheRoundTrip() {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    const QString decoded = FromCellText(all);
    QCOMPARE(decoded.size(), 256);
    QCOMPARE(ToCellText(decoded), all);
  }

  void textConvertsToWindows1252() {
    struct Case {
      QString unicode;
      std::string cell;
    };
    const Case cases[] = {
        {QStringLiteral("Smith & Sons"), "Smith & Sons"},
        {QStringLiteral("\u20AC 5"), "\x80 5"},                          // the euro sign sits at 0x80
        {QStringLiteral("\u201CFarrier\u201D"), "\x93" "Farrier\x94"},  // curly quotes
        {QStringLiteral("\u0178"), "\x9F"},                              // last entry of the table
        {QStringLiteral("Caf\u00E9 \u00FF"), "Caf\xE9 \xFF"},            // Latin-1 range as it is
        {QStringLiteral("\u0100\u65E5"), "??"},                          // nothing to map to
        {QString::fromUcs4(U"\U0001F40E!"), "?!"},                       // one character, one '?'
    };
    for (const Case& c : cases) {
      QCOMPARE(ToCellText(c.unicode), c.cell);
      if (c.cell.find('?') == std::string::npos) QCOMPARE(FromCellText(c.cell), c.unicode);
    }
  }

  void fileFiltersTranslateToQtForm() {
    struct Case {
      const char* filter;
      QString expected;
    };
    const Case cases[] = {
        {"Quenchel Files(*.FCR)|*.FCR|Any file|*.*",
         QStringLiteral("Quenchel Files (*.FCR *.fcr);;Any file (*)")},
        // The name's own pattern is not what is listed; the pattern is.
        {"Quenchel Files(*.FCR)|*.BAK|Any file|*.*", QStringLiteral("Quenchel Files (*.BAK *.bak);;Any file (*)")},
        {"Web pages|*.htm;*.html", QStringLiteral("Web pages (*.htm *.html)")},
        {"Notes|*.txt|Dangling", QStringLiteral("Notes (*.txt)")},  // a name without a pattern is dropped
        {"", QString()},
    };
    for (const Case& c : cases) QCOMPARE(ToQtFileFilter(c.filter), c.expected);
  }

  void fontSizesKeepWithinTheirLimits() {
    struct Case {
      int size, minSize, maxSize, expected;
    };
    const Case cases[] = {
        {12, 0, 0, 12}, {4, 6, 20, 6}, {30, 6, 20, 20}, {6, 6, 20, 6}, {30, 6, 0, 30}, {2, 0, 20, 2},
    };
    for (const Case& c : cases) QCOMPARE(ClampFontSize(c.size, c.minSize, c.maxSize), c.expected);
  }

  void formHostShowsTheRegisteredView() {
    QtFormHost host;
    QWidget window;
    host.SetParentWindow(&window);
    Form* shownForm = nullptr;
    QWidget* shownParent = nullptr;
    host.Register("TDefaultsForm", [&](Form& form, QWidget* parent) {
      shownForm = &form;
      shownParent = parent;
      return ModalResult::OK;
    });
    NamedForm defaults("TDefaultsForm");
    QCOMPARE(host.ShowModal(defaults), ModalResult::OK);
    QCOMPARE(shownForm, &defaults);
    QCOMPARE(shownParent, &window);
  }

  void formHostSaysWhenAFormHasNoView() {
    QtFormHost host;
    SeenBox seen;
    WhenBoxOpens(seen, [](QMessageBox& box) { box.accept(); });
    NamedForm missing("TScoreGridForm");
    QCOMPARE(host.ShowModal(missing), ModalResult::Cancel);
    QCOMPARE(seen.title, QStringLiteral("Not available yet"));
    QCOMPARE(seen.text, QStringLiteral("TScoreGridForm"));
  }

  void questionAnswersYesOnlyForYes() {
    QtDialogs dialogs;
    SeenBox seen;
    WhenBoxOpens(seen, [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    QVERIFY(dialogs.AskYesNo("Save File?", "Current File Open - Save?"));
    QCOMPARE(seen.title, QStringLiteral("Save File?"));
    QCOMPARE(seen.text, QStringLiteral("Current File Open - Save?"));

    WhenBoxOpens(seen, [](QMessageBox& box) { box.close(); });
    QVERIFY(!dialogs.AskYesNo("Save File?", "Current File Open - Save?"));
  }

  void closingTheSaveQuestionCancels() {
    QtDialogs dialogs;
    SeenBox seen;
    WhenBoxOpens(seen, [](QMessageBox& box) { box.button(QMessageBox::Discard)->click(); });
    QCOMPARE(dialogs.AskSaveDiscardCancel("Unsaved data", "Save changes?"), SaveChoice::Discard);
    WhenBoxOpens(seen, [](QMessageBox& box) { box.close(); });
    QCOMPARE(dialogs.AskSaveDiscardCancel("Unsaved data", "Save changes?"), SaveChoice::Cancel);
  }

  void informationShowsCellTextAsUnicode() {
    QtDialogs dialogs;
    SeenBox seen;
    WhenBoxOpens(seen, [](QMessageBox& box) { box.accept(); });
    dialogs.ShowInfo("Entry fee", "\x80" "5 for the Caf\xE9 class");
    QCOMPARE(seen.text, QStringLiteral("\u20AC5 for the Caf\u00E9 class"));
  }

  void flashClosesItself() {
    QtDialogs dialogs;
    QElapsedTimer clock;
    clock.start();
    dialogs.Flash("Save", "Files Saved");
    QVERIFY(clock.elapsed() >= QtDialogs::kFlashMilliseconds - 50);
    QVERIFY(clock.elapsed() < 3 * QtDialogs::kFlashMilliseconds);
  }
};

}  // namespace quenchel

QTEST_MAIN(quenchel::PlatformTest)
#include "platform_test.moc"
