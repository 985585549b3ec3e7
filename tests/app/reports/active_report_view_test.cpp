// The Active Report window over its model: the heading, the results grid with its
// alignment and Data Check colours, and the buttons it forwards.

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "file/atomic_file.h"
#include "file/competition_file.h"
#include "platform/scripted_platform.h"
#include "print/grid_view.h"
#include "reports/active_report_form.h"
#include "reports/active_report_form_view.h"
#include "store/competition.h"
#include "support/modal_window.h"

namespace quenchel {

namespace {

using apptest::Button;
using apptest::KeepScreenshot;
using apptest::WhenOpen;

struct Rig {
  Rig() {
    LoadCompetitionFile(competition, QUENCHEL_EXAMPLES_DIR "/spring-show.FCR", scripted.dialogs);
    competition.state.ScreenResolution = 96;
  }
  Competition competition;
  ScriptedPlatform scripted;
  Platform platform = scripted.Get();
  TActiveReportGridForm form{competition, platform, DefaultFileWriter(), std::nullopt};
};

}  // namespace

class ActiveReportViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void showsTheReportUnderItsTitleWithEveryButton() {
    Rig rig;
    rig.form.FormActivate();
    ActiveReportFormView view(rig.form);
    QString title, heading, firstName;
    QStringList missing;
    int rows = 0;
    bool printHidden = true;
    bool screenshotKept = false;
    WhenOpen<ActiveReportFormView>([&](ActiveReportFormView& shown) {
      title = shown.windowTitle();
      heading = shown.findChild<QLabel*>(QStringLiteral("Heading"))->text();
      auto* grid = shown.findChild<GridView*>();
      rows = grid->model()->rowCount();
      firstName = grid->model()->index(1, 1).data().toString();
      for (const char* caption : {"Change &Report", "Printers", "Print Pre&view", "Save as Webpage", "&Close"})
        if (Button(shown, caption) == nullptr) missing << caption;
      printHidden = Button(shown, "&Print") == nullptr;
      screenshotKept = KeepScreenshot(shown, QStringLiteral("active-report.png"));
      Button(shown, "&Close")->click();
    });
    QCOMPARE(view.Run(), ModalResult::Cancel);
    QCOMPARE(title, QStringLiteral("Active Report Form"));
    QCOMPARE(heading, QString::fromStdString(rig.form.Heading));
    QVERIFY(!heading.isEmpty());
    QCOMPARE(missing, QStringList{});
    QVERIFY(printHidden);
    QVERIFY(screenshotKept);
    QVERIFY(rows > 2);
    QVERIFY(!firstName.isEmpty());
    // Close empties the table.
    QCOMPARE(QString::fromStdString(std::string(rig.form.ResultsGrid.Cell(1, 1))), QString());
  }

  void dataCheckFillsCheckedCells() {
    Rig rig;
    rig.competition.state.DataCheckMode = true;
    rig.form.FormActivate();
    ActiveReportFormView view(rig.form);
    QColor fill;
    WhenOpen<ActiveReportFormView>([&](ActiveReportFormView& shown) {
      auto* grid = shown.findChild<GridView*>();
      const QRect cell = grid->visualRect(grid->model()->index(2, 2));
      const QImage image = grid->viewport()->grab().toImage();
      fill = image.pixelColor(cell.left() + 2, cell.center().y());
      Button(shown, "&Close")->click();
    });
    view.Run();
    const std::optional<Rgb> expected = TActiveReportGridForm::kCheckPassed;
    QCOMPARE(fill, QColor(expected->red, expected->green, expected->blue));
  }

  void changeReportShowsTheActiveReportAgain() {
    Rig rig;
    rig.form.FormActivate();
    int chooserOpened = 0;
    rig.form.chooseActiveReport = [&] { ++chooserOpened; };
    ActiveReportFormView view(rig.form);
    QString heading;
    WhenOpen<ActiveReportFormView>([&](ActiveReportFormView& shown) {
      Button(shown, "Change &Report")->click();
      heading = shown.findChild<QLabel*>(QStringLiteral("Heading"))->text();
      Button(shown, "&Close")->click();
    });
    view.Run();
    QCOMPARE(chooserOpened, 1);
    QVERIFY(!heading.isEmpty());
  }
};

}  // namespace quenchel

QTEST_MAIN(quenchel::ActiveReportViewTest)
#include "active_report_view_test.moc"
