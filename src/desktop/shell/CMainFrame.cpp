#include "desktop/shell/CMainFrame.h"

#include <utility>

#include <QActionGroup>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <tinyxml2.h>

#include "analysis/AnalysisDriver.h"
#include "analysis/FileAssociation.h"
#include "analysis/IndicatorSelection.h"
#include "analysis/IndicatorTable.h"
#include "data/FileDialogFilter.h"
#include "data/PatternPaths.h"
#include "desktop/dialogs/CDlgColorSetup.h"
#include "desktop/dialogs/CDlgDrawSetup.h"
#include "desktop/dialogs/CDlgParameterList.h"
#include "desktop/shell/BatchOpener.h"
#include "desktop/shell/Commands.h"
#include "desktop/shell/FileListPane.h"
#include "desktop/shell/LockKeyPanes.h"
#include "desktop/shell/MarkerCommands.h"
#include "desktop/shell/PrintCommands.h"
#include "desktop/shell/ProcessingCommands.h"
#include "desktop/shell/Prompts.h"
#include "desktop/shell/RecentFiles.h"
#include "desktop/shell/ResultPanes.h"
#include "desktop/shell/ScreenshotCommands.h"
#include "desktop/shell/SetupCommands.h"
#include "desktop/shell/ViewCommands.h"
#include "desktop/view/PlotView.h"
#include "desktop/view/TrendChartView.h"
#include "display/DirectivityTrend.h"
#include "display/DisplayConfig.h"
#include "display/ResultLines.h"
#include "render/CommandIcons.h"
#include "session/DisplayedFiles.h"

namespace lumaret::desktop {
namespace {

constexpr const char* kPatternFilter = "Pattern Files (*.msi *.MSI *.pln *.PLN *.cm *.CM);;All Files (*)";
constexpr const char* kReady = "Ready";

QString QtText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The indicator toggles' menu texts: the check-box text, or the indicator's own name for
// the radiation values, which no dialog lists.
QString IndicatorText(const analysis::IndicatorRow& row) {
  if (row.indicator == analysis::Indicator::Eff) return "Efficiency";
  return QtText(row.checkBox.empty() ? row.name : row.checkBox);
}

}  // namespace

CMainFrame::CMainFrame(session::CTessalyUnitDoc& doc, FilePrompts& prompts, data::UserMessages& messages,
                       ReportRunner reportRunner, QWidget* parent)
    : QMainWindow(parent), doc_(doc), prompts_(prompts), messages_(messages) {
  setObjectName("CMainFrame");
  setWindowTitle("Lumaret ");
  setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
  centre_ = new QStackedWidget(this);
  view_ = new PlotView(doc_, centre_);
  trendChart_ = new TrendChartView(centre_);
  centre_->addWidget(view_);
  centre_->addWidget(trendChart_);
  setCentralWidget(centre_);
  opener_ = new BatchOpener(doc_, this);
  connect(opener_, &BatchOpener::Finished, this, &CMainFrame::OnOpenFinished);
  BuildActions();
  BuildDocks();
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  InstallViewCommands(*this);
  InstallPrintCommands(*this);
  InstallProcessingCommands(*this);
  InstallScreenshotCommands(*this);
  InstallMarkerCommands(*this);
  InstallSetupCommands(*this);
  InstallExportCommands(*this, std::move(reportRunner));
  connect(view_, &PlotView::MarkChanged, this, [this] { currentResults_->Refresh(view_->MarkInformation()); });
  connect(view_, &PlotView::PatternDragged, this, &CMainFrame::RefreshAll);
  SyncChecks();
  RefreshAll();
}

CMainFrame::~CMainFrame() = default;

QWidget* CMainFrame::CentralPicture() { return centre_->currentWidget(); }
bool CMainFrame::TrendChartShown() const { return centre_->currentWidget() == trendChart_; }
void CMainFrame::ShowPlot() { centre_->setCurrentWidget(view_); }

void CMainFrame::ShowTrendChart() {
  analysis::AnalyseAllLoadedFiles(doc_);
  trendChart_->Show(display::DirectivityTrendSeries(doc_));
  centre_->setCurrentWidget(trendChart_);
}

QAction* CMainFrame::Action(std::string_view name) const {
  const auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::BuildActions() {
  for (const CommandSpec& command : CommandTable()) {
    auto* action = new QAction(QtText(command.text), this);
    action->setObjectName(QtText(command.name));
    action->setData(command.id);
    if (!command.shortcut.empty()) action->setShortcut(QKeySequence(QtText(command.shortcut)));
    if (!command.icon.empty()) action->setIcon(render::CommandIcon(QtText(command.icon)));
    action->setCheckable(command.checkable);
    // A check mark reads better in a menu than a framed icon; the tool bar keeps the icon.
    if (command.checkable) action->setIconVisibleInMenu(false);
    // Everything starts disabled; Connect enables the commands that work.
    action->setEnabled(false);
    actions_.emplace(std::string(command.name), action);
  }
  for (const analysis::IndicatorRow& row : analysis::IndicatorTable()) {
    if (row.indicator == analysis::Indicator::Unitary) continue;  // the Normalise command
    auto* action = new QAction(IndicatorText(row), this);
    action->setObjectName(QtText(row.menuKey));
    action->setCheckable(true);
    const auto index = static_cast<std::size_t>(row.indicator);
    connect(action, &QAction::triggered, this, [this, index] { OnIndicator(index); });
    actions_.emplace(std::string(row.menuKey), action);
  }

  Connect("ID_FILE_OPEN", &CMainFrame::OnOpen);
  QAction* exit = Action("ID_APP_EXIT");
  exit->setEnabled(true);
  connect(exit, &QAction::triggered, this, &QWidget::close);
  Connect("ID_CARTESIAN", &CMainFrame::OnCartesian);
  Connect("ID_POLAR", &CMainFrame::OnPolar);
  Connect("ID_3DB_REFERENCE_LINE", &CMainFrame::OnReferenceLine);
  Connect("ID_UNITARY", &CMainFrame::OnNormalise);
  Connect("ID_SAVE_CONFIG", &CMainFrame::OnSaveConfiguration);
  Connect("ID_LOAD_CONFIG", &CMainFrame::OnLoadConfiguration);
  Connect("ID_APP_ABOUT", &CMainFrame::OnAbout);
  Connect("ID_HORIZONTAL_LIST", &CMainFrame::OnHorizontalList);
  Connect("ID_VERTICAL_LIST", &CMainFrame::OnVerticalList);
  Connect("ID_DRAW_SETTING", &CMainFrame::OnDrawSetting);
  Connect("ID_COLOR_SETTING", &CMainFrame::OnColourSetting);
  for (const char* name : {"ID_NO_REL", "ID_REL_M_C", "ID_REL_V_H", "ID_REL_P45_N45"}) {
    QAction* action = Action(name);
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [this, name] { OnAssociation(name); });
  }
  auto* coordinates = new QActionGroup(this);
  coordinates->addAction(Action("ID_CARTESIAN"));
  coordinates->addAction(Action("ID_POLAR"));
}

void CMainFrame::EnableCommand(std::string_view name, std::function<void()> handler) {
  QAction* action = Action(name);
  action->setEnabled(true);
  connect(action, &QAction::triggered, this, std::move(handler));
}

void CMainFrame::Connect(std::string_view name, void (CMainFrame::*handler)()) {
  QAction* action = Action(name);
  action->setEnabled(true);
  connect(action, &QAction::triggered, this, handler);
}

void CMainFrame::BuildMenus() {
  for (const MenuSpec& spec : MenuTable()) {
    QMenu* menu = menuBar()->addMenu(QtText(spec.title));
    for (std::string_view entry : spec.entries) {
      if (entry == kSeparator) {
        menu->addSeparator();
      } else if (entry == kMarkersSubmenu) {
        QMenu* markers = menu->addMenu("Markers");
        for (std::string_view name : MarkerCommands()) markers->addAction(Action(name));
      } else if (entry == kIndicatorsSubmenu) {
        // One submenu per indicator section, so that no menu is taller than a small screen.
        QMenu* indicators = menu->addMenu("Indicators");
        QMenu* section = nullptr;
        std::string_view sectionName;
        for (const analysis::IndicatorRow& row : analysis::IndicatorTable()) {
          QAction* action = Action(row.menuKey);
          if (action == nullptr || row.indicator == analysis::Indicator::Unitary) continue;
          if (section == nullptr || row.iniSection != sectionName) {
            sectionName = row.iniSection;
            section = indicators->addMenu(sectionName == "VParameter"   ? "Vertical"
                                          : sectionName == "HParameter" ? "Horizontal"
                                                                        : "Radiation");
          }
          section->addAction(action);
        }
      } else if (entry == kRecentSubmenu) {
        recentMenu_ = menu->addMenu("Recent Open Files");
        recentMenu_->setObjectName("Recent Open Files");
        RebuildRecentMenu();
      } else {
        menu->addAction(Action(entry));
      }
    }
  }
}

void CMainFrame::BuildToolBar() {
  QToolBar* bar = addToolBar("Tool Bar");
  bar->setObjectName("Tool Bar");
  for (std::string_view name : ToolBarCommands()) {
    if (name == kSeparator) {
      bar->addSeparator();
    } else {
      bar->addAction(Action(name));
    }
  }
  QAction* toggle = Action("ID_VIEW_TOOLBAR");
  toggle->setEnabled(true);
  toggle->setChecked(true);
  connect(toggle, &QAction::toggled, bar, &QToolBar::setVisible);
  connect(bar, &QToolBar::visibilityChanged, toggle, [toggle, bar] { toggle->setChecked(bar->isVisible()); });
}

QDockWidget* CMainFrame::AddDock(const QString& title, QWidget* pane, Qt::DockWidgetArea area,
                                 std::string_view toggle) {
  auto* dock = new QDockWidget(title, this);
  dock->setObjectName(title);
  dock->setAllowedAreas(Qt::AllDockWidgetAreas);
  dock->setWidget(pane);
  addDockWidget(area, dock);
  QAction* action = Action(toggle);
  action->setEnabled(true);
  action->setChecked(true);
  connect(action, &QAction::toggled, dock, &QDockWidget::setVisible);
  connect(dock, &QDockWidget::visibilityChanged, action, [action, dock] { action->setChecked(dock->isVisible()); });
  return dock;
}

void CMainFrame::BuildDocks() {
  fileList_ = new FileListPane(doc_, this);
  currentResults_ = new CurrentResultsPane(doc_, this);
  allResults_ = new AllResultsPane(doc_, this);
  QDockWidget* files = AddDock("File Lists", fileList_, Qt::LeftDockWidgetArea, "ID_VIEW_FILELISTS");
  QDockWidget* current = AddDock("Current Results", currentResults_, Qt::RightDockWidgetArea, "ID_VIEW_CURRENTRESULTS");
  QDockWidget* all = AddDock("All Results", allResults_, Qt::BottomDockWidgetArea, "ID_VIEW_ALLREPORTS");
  resizeDocks({files, current}, {360, 230}, Qt::Horizontal);
  resizeDocks({all}, {260}, Qt::Vertical);
  // The trend chart gives way to the plot when the displayed files change.
  connect(fileList_, &FileListPane::DisplayedFilesChanged, this, &CMainFrame::ShowPlot);
  connect(fileList_, &FileListPane::DisplayedFilesChanged, this, &CMainFrame::RefreshAll);
  connect(fileList_, &FileListPane::FilesRemoved, this, &CMainFrame::RefreshAll);
}

void CMainFrame::BuildStatusBar() {
  statusBar()->setObjectName("Status Bar");
  statusBar()->showMessage(kReady);
  new LockKeyPanes(statusBar());
  QAction* toggle = Action("ID_VIEW_STATUS_BAR");
  toggle->setEnabled(true);
  toggle->setChecked(true);
  connect(toggle, &QAction::toggled, statusBar(), &QStatusBar::setVisible);
}

void CMainFrame::SyncChecks() {
  Action("ID_CARTESIAN")->setChecked(doc_.view.mode == display::CoordinateMode::Cartesian);
  Action("ID_POLAR")->setChecked(doc_.view.mode == display::CoordinateMode::Polar);
  Action("ID_3DB_REFERENCE_LINE")->setChecked(doc_.view.referenceLine);
  Action("ID_UNITARY")->setChecked(session::IsNormalised(doc_));
  Action("ID_NO_REL")->setChecked(doc_.association.noAssociation);
  Action("ID_REL_M_C")->setChecked(doc_.association.polar);
  Action("ID_REL_V_H")->setChecked(doc_.association.cut);
  Action("ID_REL_P45_N45")->setChecked(doc_.association.slant);
  const display::ViewSwitches& view = doc_.view.switches;
  Action("ID_SPRDISPLAY")->setChecked(view.sprDisplay);
  Action("ID_MASKMAXMAG")->setChecked(view.markerMax);
  Action("ID_MASKMINMAG")->setChecked(view.markerMin);
  Action("ID_MASKFSU")->setChecked(view.markerFsu);
  Action("ID_MASKMAXU")->setChecked(view.markerSsMax);
  for (const analysis::IndicatorRow& row : analysis::IndicatorTable()) {
    if (QAction* action = Action(row.menuKey); action && row.indicator != analysis::Indicator::Unitary)
      action->setChecked(doc_.indicators.IsSet(row.indicator));
  }
}

void CMainFrame::RefreshAll() {
  const std::vector<std::string>& displayed = session::DisplayedFiles(doc_);
  analysis::AnalyseSelection(doc_);
  display::ApplyRadiationRule(doc_, displayed);
  view_->Refresh();
  currentResults_->Refresh(view_->MarkInformation());
  allResults_->Refresh();
  SyncChecks();
  statusBar()->showMessage(kReady);
}

// File

void CMainFrame::OnOpen() {
  const QStringList paths = prompts_.OpenFiles(this, "Open", kPatternFilter);
  if (paths.isEmpty()) return;
  RecentFiles recent;
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) recent.Add(*it);
  RebuildRecentMenu();
  OpenPaths(paths, false);
}

void CMainFrame::OpenPaths(const QStringList& paths, bool keepGoing) {
  if (opener_->Busy()) return;
  std::vector<std::string> args;
  for (const QString& path : paths) args.push_back(FromQt(path));
  const data::ExpandedPaths expanded = data::ExpandPatternPaths(args);
  unreadable_.clear();
  for (const std::string& folder : expanded.unreadable) unreadable_ << ToQt(folder);
  Action("ID_FILE_OPEN")->setEnabled(false);
  statusBar()->showMessage(QString("Reading %1 pattern file(s)...").arg(expanded.files.size()));
  opener_->Open(expanded.files, keepGoing);
}

bool CMainFrame::Opening() const { return opener_->Busy(); }

void CMainFrame::OnOpenFinished() {
  Action("ID_FILE_OPEN")->setEnabled(true);
  fileList_->Rebuild();
  RefreshAll();
  QStringList failures = unreadable_;
  for (const data::Result& failure : opener_->Result().failures) failures << ToQt(failure.Located());
  if (!failures.isEmpty()) messages_.Show(FromQt(failures.join('\n')));
  emit OpenFinished();
}

void CMainFrame::RebuildRecentMenu() {
  recentMenu_->clear();
  const QStringList entries = RecentFiles().Entries();
  for (int i = 0; i < entries.size(); ++i) {
    const QString path = entries[i];
    QAction* action = recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(path));
    connect(action, &QAction::triggered, this, [this, path] {
      if (!QFileInfo::exists(path)) {
        messages_.Show(FromQt(path) + ": the file no longer exists");
        RecentFiles().Remove(path);
        RebuildRecentMenu();
        return;
      }
      RecentFiles().Add(path);
      RebuildRecentMenu();
      OpenPaths({path}, false);
    });
  }
  recentMenu_->setEnabled(!entries.isEmpty());
}

// Coordinates and view

void CMainFrame::OnCartesian() {
  view_->ResetView();  // a zoom does not carry over to the other coordinate system
  session::SetCoordinateMode(doc_, display::CoordinateMode::Cartesian);
  RefreshAll();
}

void CMainFrame::OnPolar() {
  view_->ResetView();
  session::SetCoordinateMode(doc_, display::CoordinateMode::Polar);
  RefreshAll();
}

void CMainFrame::OnReferenceLine() {
  doc_.view.referenceLine = !doc_.view.referenceLine;
  RefreshAll();
}

void CMainFrame::OnNormalise() {
  session::SetNormalised(doc_, !session::IsNormalised(doc_));
  RefreshAll();
}

// Analysis and association

void CMainFrame::OnAssociation(std::string_view name) {
  const analysis::AssociationSwitch which = name == "ID_NO_REL"    ? analysis::AssociationSwitch::None
                                            : name == "ID_REL_M_C" ? analysis::AssociationSwitch::Polar
                                            : name == "ID_REL_V_H" ? analysis::AssociationSwitch::Cut
                                                                   : analysis::AssociationSwitch::Slant;
  analysis::SetAssociation(doc_.association, which, Action(name)->isChecked());
  SyncChecks();
}

void CMainFrame::OnIndicator(std::size_t indicator) {
  const auto which = static_cast<analysis::Indicator>(indicator);
  analysis::SetIndicator(doc_, which, !doc_.indicators.IsSet(which));
  RefreshAll();
}

void CMainFrame::OnSaveConfiguration() {
  const QString path =
      prompts_.SaveFile(this, "Save Configuration", ToQt(data::FileDialogFilter(display::kConfigFileFilter)));
  if (path.isEmpty()) return;
  display::SaveConfiguration(doc_, doc_.view.switches, FromQt(path));
}

void CMainFrame::OnLoadConfiguration() {
  const QString path =
      prompts_.OpenFile(this, "Load Configuration", ToQt(data::FileDialogFilter(display::kConfigFileFilter)));
  if (path.isEmpty()) return;
  display::LoadConfiguration(doc_, doc_.view.switches, FromQt(path));
  RefreshAll();
}

void CMainFrame::OnHorizontalList() {
  CDlgSetH dialog(doc_.indicators, this);
  if (dialog.exec() != QDialog::Accepted) return;
  analysis::SetIndicators(doc_, dialog.Flags());
  RefreshAll();
}

void CMainFrame::OnVerticalList() {
  CDlgSetV dialog(doc_.indicators, this);
  if (dialog.exec() != QDialog::Accepted) return;
  analysis::SetIndicators(doc_, dialog.Flags());
  RefreshAll();
}

// Settings

void CMainFrame::OnDrawSetting() {
  CDlgDrawSetup dialog(doc_.view.draw, doc_.view.mode, messages_, this);
  // The defaults button stores its values at once, whatever the dialog's end.
  connect(&dialog, &CDlgDrawSetup::DefaultsApplied, this, [this](const display::DrawSetting& defaults) {
    session::SetDrawSetting(doc_, defaults);
    RefreshAll();
  });
  if (dialog.exec() != QDialog::Accepted) return;
  view_->ResetView();  // new scales end a zoom
  session::SetDrawSetting(doc_, dialog.Setting());
  RefreshAll();
}

void CMainFrame::OnColourSetting() {
  CDlgColorSetup dialog(doc_.view.colours, messages_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!session::SetColours(doc_, dialog.Colours()))
    messages_.Show(session::ColourFilePath(doc_) + " could not be written; the colours are used until the program ends.");
  RefreshAll();
}

// Help

void CMainFrame::OnAbout() {
  const QString text =
      QString("<h3>Lumaret %1</h3>"
              "<p>Analysis of measured radiation patterns of base-station panel antennas.</p>"
              "<p>Libraries: Qt %2 (LGPL 3), tinyxml2 %3.%4.%5 (zlib licence), SimpleIni %6 (MIT licence).</p>"
              "<p>Copyright the Lumaret developers. All rights reserved.</p>")
          .arg(LUMARET_VERSION, qVersion())
          .arg(TINYXML2_MAJOR_VERSION)
          .arg(TINYXML2_MINOR_VERSION)
          .arg(TINYXML2_PATCH_VERSION)
          .arg(LUMARET_SIMPLEINI_VERSION);
  QMessageBox box(QMessageBox::NoIcon, "About Lumaret", text, QMessageBox::Ok, this);
  box.setObjectName("About");
  box.setIconPixmap(windowIcon().pixmap(64, 64));
  box.exec();
}

// Closing

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!messages_.Ask("Do you want to quit?")) {
    event->ignore();
    return;
  }
  opener_->Cancel();
  display::WriteMenuStatesOnViewClose(doc_, doc_.view.switches);
  event->accept();
}

}  // namespace lumaret::desktop
