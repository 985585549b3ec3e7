// The QPainter surfaces: device resolution and fonts, where text lands (also turned),
// its background, pen widths, filled areas and the pages of printers and PDF files.

#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "print/printer_surface.h"
#include "print/qpainter_surface.h"

namespace quenchel {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

QImage WhitePage(int width, int height, int dpi = 96) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  const int dotsPerMeter = qRound(dpi / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  return image;
}

bool IsDark(QRgb pixel) { return qGray(pixel) < 128; }

// The smallest rectangle holding every dark pixel; null when there is none.
QRect DarkArea(const QImage& image) {
  QRect area;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (IsDark(image.pixel(x, y))) area |= QRect(x, y, 1, 1);
  return area;
}

int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == colour) ++count;
  return count;
}

int PageObjects(const QString& pdfFile) {
  QFile file(pdfFile);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(file.readAll().count("/Type /Page\n"));
}

}  // namespace

class QPainterSurfaceTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void measuresInTheDevicesUnits() {
    QImage image = WhitePage(300, 200, 600);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    QCOMPARE(surface.Width(), 300);
    QCOMPARE(surface.Height(), 200);
    QCOMPARE(surface.PixelsPerInchX(), 600);
    QCOMPARE(surface.PixelsPerInchY(), 600);
  }

  void fontsScaleWithTheDeviceResolution() {
    QImage screen = WhitePage(10, 10, 96);
    QImage printer = WhitePage(10, 10, 600);
    QPainter screenPainter(&screen);
    QPainter printerPainter(&printer);
    QPainterSurface onScreen(screenPainter);
    QPainterSurface onPrinter(printerPainter);
    const SurfaceFont font{"Arial", 10, false, false, false};
    onScreen.SetFont(font);
    onPrinter.SetFont(font);
    QCOMPARE(onPrinter.Font(), font);

    const std::string text = "Farrier Competition Number 512";
    const double ratio = double(onPrinter.TextWidth(text)) / onScreen.TextWidth(text);
    QVERIFY2(ratio > 6.25 * 0.93 && ratio < 6.25 * 1.07, qPrintable(QString::number(ratio)));
    // 10 points at 600 dpi are 83 pixels of em; the line is a little higher than that.
    QVERIFY(onPrinter.TextHeight(text) >= 83 && onPrinter.TextHeight(text) <= 83 * 13 / 10);

    SurfaceFont bold = font;
    bold.bold = true;
    const int plainWidth = onPrinter.TextWidth(text);
    onPrinter.SetFont(bold);
    QVERIFY(onPrinter.TextWidth(text) > plainWidth);
  }

  void aSizeOfZeroStillMeasures() {
    QImage image = WhitePage(10, 10);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.SetFont({"Arial", 0, false, false, false});
    QVERIFY(surface.TextWidth("Page 1") > 0);
    QVERIFY(surface.TextHeight("Page 1") > 0);
  }

  void textIsSingleByteCompetitionText() {
    QImage image = WhitePage(10, 10);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    const QFontMetrics metrics(QPainterSurface::DeviceFont(surface.Font(), image), &image);
    QCOMPARE(surface.TextWidth("\x80 \xE9"), metrics.horizontalAdvance(QString::fromUtf8("\u20AC \u00E9")));
  }

  void textStandsBelowAndRightOfItsCorner() {
    QImage image = WhitePage(400, 200);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.SetFont({"Arial", 12, false, false, false});
    surface.SetTransparentText();
    surface.TextOut(50, 60, "Hot Shoe");
    const QRect area = DarkArea(image);
    QVERIFY(!area.isNull());
    QVERIFY(area.left() >= 50 && area.left() <= 55);
    QVERIFY(area.top() >= 60 && area.top() <= 60 + surface.TextHeight("H") / 2);
    QVERIFY(area.bottom() < 60 + surface.TextHeight("H"));
    QVERIFY(area.width() <= surface.TextWidth("Hot Shoe"));
  }

  void textTurnsCounterClockwise() {
    QImage image = WhitePage(200, 400);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.SetFont({"Arial", 12, false, false, false});
    surface.SetTransparentText();
    surface.TextOut(60, 300, "Hot Shoe", 90);
    painter.end();
    // Reading upwards from the corner, the letters' tops towards the left edge.
    const QRect area = DarkArea(image);
    QVERIFY(area.bottom() <= 300 && area.bottom() >= 295);
    QVERIFY(area.top() >= 300 - surface.TextWidth("Hot Shoe"));
    QVERIFY(area.height() > area.width());
    QVERIFY(area.left() >= 60 && area.right() < 60 + surface.TextHeight("H"));
  }

  void textHasAWhiteBackgroundUntilItIsMadeTransparent() {
    const QRgb white = QColor(Qt::white).rgb();
    QImage image = WhitePage(300, 100);
    image.fill(Qt::blue);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.SetFont({"Arial", 12, false, false, false});
    surface.TextOut(10, 10, "Opaque");
    QVERIFY(CountPixels(image, white) > 0);

    image.fill(Qt::blue);
    surface.SetTransparentText();
    surface.TextOut(10, 10, "Clear");
    surface.SetFont({"Arial", 14, true, false, false});  // stays transparent with a new font
    surface.TextOut(10, 50, "Clear");
    QCOMPARE(CountPixels(image, white), 0);
  }

  void textIsBlackWhateverThePen() {
    QImage image = WhitePage(300, 100);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.SetFont({"Arial", 14, true, false, false});
    surface.SetTransparentText();
    surface.SetPen({0, 255, 0}, 1);
    surface.TextOut(10, 10, "Competitors");
    QVERIFY(CountPixels(image, qRgb(0, 0, 0)) > 20);
    QCOMPARE(CountPixels(image, qRgb(0, 255, 0)), 0);
  }

  void linesAreAsWideAsThePen() {
    QImage image = WhitePage(100, 100);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.SetPen(kBlack, 7);
    surface.Line(10, 50, 90, 50);
    int darkRows = 0;
    for (int y = 0; y < 100; ++y) darkRows += IsDark(image.pixel(50, y)) ? 1 : 0;
    QCOMPARE(darkRows, 7);
  }

  void polygonsAreFilledWithTheBrushAndRectanglesStopBeforeRightAndBottom() {
    QImage image = WhitePage(100, 100);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.SetPen(kBlack, 1);
    surface.SetBrush(kBlue);
    surface.Polygon({{10, 10}, {40, 10}, {40, 40}, {10, 40}});
    QCOMPARE(image.pixel(25, 25), QColor(Qt::blue).rgb());
    QVERIFY(IsDark(image.pixel(10, 25)));

    surface.FillRect(50, 50, 60, 55, {255, 0, 0});
    QCOMPARE(CountPixels(image, qRgb(255, 0, 0)), 10 * 5);
    surface.FillRect(70, 70, 70, 80, {0, 255, 0});  // empty
    QCOMPARE(CountPixels(image, qRgb(0, 255, 0)), 0);
  }

  void aPdfFileGetsANewPageForEveryNewSheet() {
    QTemporaryDir folder;
    const QString file = folder.filePath("two.pdf");
    {
      QPdfWriter writer(file);
      writer.setResolution(600);
      QPainter painter(&writer);
      QPainterSurface surface(painter);
      QCOMPARE(surface.PixelsPerInchY(), 600);
      surface.TextOut(100, 100, "Page 1");
      surface.NewSheet();
      surface.TextOut(100, 100, "Page 2");
    }
    QCOMPARE(PageObjects(file), 2);
  }

  void thePrinterPrintsBetweenBeginAndEndOfTheDocument() {
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("job.pdf"));
    PrinterSurface surface(printer);
    QVERIFY(!surface.Printing());
    QVERIFY(surface.Width() > 0);
    QCOMPARE(surface.PixelsPerInchX(), printer.resolution());

    surface.BeginDocument("Quenchel Document 9:30:00  18/04/2026");
    QVERIFY(surface.Printing());
    QCOMPARE(printer.docName(), QStringLiteral("Quenchel Document 9:30:00  18/04/2026"));
    surface.TextOut(100, 100, "Page 1");
    surface.NewSheet();
    surface.TextOut(100, 100, "Page 2");
    surface.NewSheet();
    surface.TextOut(100, 100, "Page 3");
    surface.EndDocument();
    QVERIFY(!surface.Printing());
    QCOMPARE(PageObjects(folder.filePath("job.pdf")), 3);
  }

  void aPrinterThatCannotStartDrawsNothing() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/nonexistent-folder/job.pdf");
    PrinterSurface surface(printer);
    surface.BeginDocument("Quenchel Document");
    QVERIFY(!surface.Printing());
    surface.TextOut(10, 10, "ignored");
    surface.NewSheet();
    surface.EndDocument();
    QVERIFY(!QFile::exists("/nonexistent-folder/job.pdf"));
  }
};

}  // namespace quenchel

QTEST_MAIN(quenchel::QPainterSurfaceTest)
#include "qpainter_surface_test.moc"
