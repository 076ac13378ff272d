// The plot view's mouse handling on the offscreen platform: the cursor readout, the zoom
// rectangle, and pattern drag with undo and redo.
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "data/PatternFileReader.h"
#include "data/UserMessages.h"
#include "desktop/view/PlotView.h"
#include "processing/DragHistory.h"
#include "session/DisplayedFiles.h"
#include "desktop/support/FrameFixture.h"

using namespace lumaret;

class PlotViewTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QStandardPaths::setTestModeEnabled(true);
    work = std::make_unique<QTemporaryDir>();
    doc = std::make_unique<session::CTessalyUnitDoc>(messages);
    test::InitialiseTestDocument(*doc, LUMARET_SOURCE_DIR "/", *work);
    view = std::make_unique<desktop::PlotView>(*doc);
    view->resize(600, 600);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
  }

  void cleanup() {
    view.reset();
    doc.reset();
  }

  void polarReadoutLeftAndRightOfTheCentre() {
    const display::PlotMapping& m = view->Picture().mapping;
    const int cx = m.viewportOrgX + m.viewportExtX / 2;
    const int cy = m.viewportOrgY + m.viewportExtY / 2;
    QTest::mouseMove(view.get(), QPoint(cx - 100, cy));
    QVERIFY(QString::fromStdString(view->MarkInformation()).startsWith("-90.0°"));
    QTest::mouseMove(view.get(), QPoint(cx + 100, cy));
    QVERIFY(QString::fromStdString(view->MarkInformation()).startsWith("90.0°"));
  }

  void aZoomRectangleTwiceAsWideAsHighScalesByWidthOverDx() {
    const display::PlotMapping before = view->Picture().mapping;
    view->SetZoomMode(true);
    QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(view.get(), QPoint(300, 200));
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(300, 200));
    QVERIFY(view->Zoomed());
    QVERIFY(!view->ZoomMode());
    QCOMPARE(view->Picture().mapping.viewportExtX, before.viewportExtX * 3);
    view->ResetView();
    QCOMPARE(view->Picture().mapping, before);
  }

  void dragUndoRedoThroughTheView() {
    const std::string path = LUMARET_SOURCE_DIR "/samples/1700_2200_ANTX65_20261206_A_B/P1_p45_h_co_4_0_1940.cm";
    QVERIFY(data::ReadPatternFile(*doc, path).ok());
    doc->association.polar = false;
    session::ChooseDisplayedFiles(*doc, {data::ToKey(path)});
    view->Refresh();
    const data::PointSequence original = doc->patterns.begin()->second.points;

    // Grab the main lobe at 0° near the top of the polar plot and pull it inwards.
    const display::PlotMapping& m = view->Picture().mapping;
    const QPoint top(m.viewportOrgX + m.viewportExtX / 2, m.viewportOrgY + m.viewportExtY / 20);
    QTest::mouseMove(view.get(), top);
    view->SetDragMode(true);
    QTest::mousePress(view.get(), Qt::LeftButton, {}, top);
    for (int dy = 4; dy <= 40; dy += 4) QTest::mouseMove(view.get(), top + QPoint(0, dy));
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, top + QPoint(0, 40));
    const data::PointSequence dragged = doc->patterns.begin()->second.points;
    QVERIFY(dragged != original);
    QVERIFY(!view->DragMode());

    const std::vector<std::string>& shown = session::DisplayedFiles(*doc);
    QVERIFY(processing::UndoDrag(*doc, shown));
    QVERIFY(doc->patterns.begin()->second.points == original);
    QVERIFY(processing::RedoDrag(*doc, shown));
    QVERIFY(doc->patterns.begin()->second.points == dragged);
  }

 private:
  std::unique_ptr<QTemporaryDir> work;
  data::RecordingMessages messages;
  std::unique_ptr<session::CTessalyUnitDoc> doc;
  std::unique_ptr<desktop::PlotView> view;
};

QTEST_MAIN(PlotViewTest)
#include "PlotViewTest.moc"
