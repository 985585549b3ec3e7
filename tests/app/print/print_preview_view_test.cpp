// The print preview's window over its model and the real grid printout: the page sized to
// the printer page, one tab per page, changing pages, Print and Cancel, and the Qt print
// dialog it prints through.

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <vector>

#include "support/modal_window.h"
#include "platform/clock.h"
#include "platform/qt_print_dialog.h"
#include "platform/scripted_platform.h"
#include "print/grid.h"
#include "print/grid_pages.h"
#include "print/print_context.h"
#include "print/print_preview_form.h"
#include "print/print_preview_view.h"
#include "print/print_state.h"
#include "print/recording_surface.h"
#include "store/competition.h"

namespace quenchel {

namespace {

using apptest::Button;
using apptest::WhenOpen;

// A competitor list long enough for three A4 pages at 8 points.
Grid ThreePageGrid() {
  Grid grid(3, 1);
  grid.SetCell(0, 0, "No.");
  grid.SetCell(1, 0, "First");
  grid.SetCell(2, 0, "Last");
  grid.SetRowCount(151);
  for (int r = 1; r < grid.RowCount(); ++r) {
    grid.SetCell(0, r, std::to_string(500 + r));
    grid.SetCell(1, r, "Competitor with a long first name " + std::to_string(r));
    grid.SetCell(2, r, "and an even longer last name to fill the band");
  }
  return grid;
}

struct Rig {
  Rig() {
    competition.state.ScreenResolution = 96;
    competition.state.CompetitionTitle = "Spring Show";
    print.PrintTitle = "Competitors";
    preview.RegisterPrintout(
        TPrintPreviewForm::kCompetitors,
        [this](Surface& surface, int wanted) {
          rendered.push_back(wanted);
          PrintGridPages(context, grid, surface, wanted);
        },
        [this] { ++printed; });
  }

  Competition competition;
  PrintState print;
  ScriptedDialogs dialogs;
  FakePrinting printing;  // 600 dpi
  FixedClock clock{LocalDateTime{2026, 4, 18, 9, 30, 0}};
  RecordingSurface printer{4960, 7016, 600};
  TPrintPreviewForm preview{competition, print, dialogs, printing};
  PrintContext context{competition, print, dialogs, printing, clock, preview, printer};
  Grid grid = ThreePageGrid();
  std::vector<int> rendered;  // the page every rendering was asked for
  int printed = 0;
};

int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == colour) ++count;
  return count;
}

}  // namespace

class PrintPreviewViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void showsThePrinterPageWithATabPerPage() {
    Rig rig;
    rig.preview.Caption = TPrintPreviewForm::kCompetitors;
    PrintPreviewView view(rig.preview);
    QSize pageSize;
    QStringList tabs;
    QString title;
    WhenOpen<PrintPreviewView>([&](PrintPreviewView& shown) {
      title = shown.windowTitle();
      pageSize = shown.Page()->size();
      for (int i = 0; i < shown.Tabs()->count(); ++i) tabs << shown.Tabs()->tabText(i);
      Button(shown, "Cancel")->click();
    });
    QCOMPARE(view.Run(), ModalResult::Cancel);
    QCOMPARE(title, QStringLiteral("Competitors"));
    // 4960 × 7016 at 600 dpi on a 96 pixels-per-inch screen.
    QCOMPARE(pageSize, QSize(845, 1150));
    QCOMPARE(tabs, (QStringList{"Page 1", "Page 2", "Page 3"}));
    QVERIFY(view.Tabs()->font().bold());
    QCOMPARE(rig.rendered.front(), 1);
  }

  void aTabShowsItsPageAndPaintingDrawsIt() {
    Rig rig;
    rig.preview.Caption = TPrintPreviewForm::kCompetitors;
    PrintPreviewView view(rig.preview);
    QImage page;
    WhenOpen<PrintPreviewView>([&](PrintPreviewView& shown) {
      shown.Tabs()->setCurrentIndex(2);
      rig.rendered.clear();
      page = shown.Page()->grab().toImage();
      shown.reject();
    });
    view.Run();
    QCOMPARE(rig.preview.ShownPage(), 3);
    QVERIFY(!rig.rendered.empty());
    QCOMPARE(rig.rendered.back(), 3);
    QVERIFY(!page.isNull());
    // The green frame along the edge and printed text inside.
    QCOMPARE(page.pixel(0, page.height() / 2), qRgb(0, 255, 0));
    QVERIFY(CountPixels(page, qRgb(0, 0, 0)) > 100);
  }

  void printRunsThePrintoutsPrintCommand() {
    Rig rig;
    rig.preview.Caption = TPrintPreviewForm::kCompetitors;
    PrintPreviewView view(rig.preview);
    WhenOpen<PrintPreviewView>([&](PrintPreviewView& shown) {
      Button(shown, "Print")->click();
      shown.reject();
    });
    view.Run();
    QCOMPARE(rig.printed, 1);
    QVERIFY(!rig.print.PrintToPrinter);
    QVERIFY(rig.dialogs.Messages().empty());
  }

  void withoutAPrinterTheBoxShowsAndThePageStaysWhite() {
    Rig rig;
    rig.printing.installed = false;
    rig.preview.Caption = TPrintPreviewForm::kCompetitors;
    PrintPreviewView view(rig.preview);
    QImage page;
    WhenOpen<PrintPreviewView>([&](PrintPreviewView& shown) {
      page = shown.Page()->grab().toImage();
      shown.reject();
    });
    view.Run();
    QCOMPARE(rig.dialogs.CountShown("No Printer", "Printer Not Installed"), 1);
    QVERIFY(rig.rendered.empty());
    QCOMPARE(CountPixels(page, qRgb(0, 0, 0)), 0);
  }

  void thePrintDialogOffersTheRequestAndAnswersTheChoice() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir::temp().filePath("quenchel-print-dialog-test.pdf"));
    QtPrintDialog dialog(printer);

    PrintRequest request;
    request.copies = 1;
    request.pageNumbersEnabled = true;
    request.fromPage = 2;
    request.toPage = 3;
    request.minPage = 1;
    request.maxPage = 5;
    request.pages = PrintPages::Range;
    int minPage = 0, maxPage = 0;
    bool offersSelection = false;
    WhenOpen<QPrintDialog>([&](QPrintDialog& shown) {
      minPage = shown.minPage();
      maxPage = shown.maxPage();
      offersSelection = shown.testOption(QAbstractPrintDialog::PrintSelection);
      shown.accept();
    });
    const std::optional<PrintRange> chosen = dialog.Ask(request);
    QVERIFY(chosen.has_value());
    QCOMPARE(minPage, 1);
    QCOMPARE(maxPage, 5);
    QVERIFY(offersSelection);
    QCOMPARE(chosen->copies, 1);
    QCOMPARE(chosen->pages, PrintPages::Range);
    QCOMPARE(chosen->fromPage, 2);
    QCOMPARE(chosen->toPage, 3);

    WhenOpen<QPrintDialog>([](QPrintDialog& shown) { shown.reject(); });
    QVERIFY(!dialog.Ask(PrintRequest{}).has_value());
  }
};

}  // namespace quenchel

QTEST_MAIN(quenchel::PrintPreviewViewTest)
#include "print_preview_view_test.moc"
