#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "data/UserMessages.h"
#include "desktop/shell/ExportCommands.h"
#include "session/CTessalyUnitDoc.h"

class QDockWidget;
class QStackedWidget;
class QMenu;

namespace lumaret::desktop {

class AllResultsPane;
class BatchOpener;
class CurrentResultsPane;
class FileListPane;
class FilePrompts;
class PlotView;
class TrendChartView;

// The main window: the plot view in the middle, the "File Lists", "Current Results" and
// "All Results" panes docked around it, the menus and tool bar of every command, and the
// status bar. Commands whose behaviour is not built yet are shown disabled.
class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // reportRunner writes the Word reports of an export; without one, no report is written.
  CMainFrame(session::CTessalyUnitDoc& doc, FilePrompts& prompts, data::UserMessages& messages,
             ReportRunner reportRunner = {}, QWidget* parent = nullptr);
  ~CMainFrame() override;

  // The action of a command or an indicator toggle by its name ("ID_FILE_OPEN", "ID_XPD0").
  QAction* Action(std::string_view name) const;
  // Reads pattern files and folders as one batch, without blocking the window; failures are
  // shown in one message box at the end. keepGoing reads past a failure.
  void OpenPaths(const QStringList& paths, bool keepGoing);
  bool Opening() const;

  // After the displayed files, the results or the view state changed: the view, both
  // result panes and the check marks follow the document.
  void RefreshAll();

  // For the command groups that live in files of their own (see InstallCommands): the
  // command's action is enabled and runs the handler.
  void EnableCommand(std::string_view name, std::function<void()> handler);
  session::CTessalyUnitDoc& Doc() { return doc_; }
  FilePrompts& Prompts() { return prompts_; }
  data::UserMessages& Messages() { return messages_; }
  PlotView* View() { return view_; }
  // What the middle of the window shows now: the plot view or the directivity trend chart.
  QWidget* CentralPicture();
  // The trend chart in place of the plot, with the series of the loaded files; and back.
  void ShowTrendChart();
  void ShowPlot();
  bool TrendChartShown() const;

 signals:
  void OpenFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  void BuildDocks();
  void BuildStatusBar();
  void Connect(std::string_view name, void (CMainFrame::*handler)());
  QDockWidget* AddDock(const QString& title, QWidget* pane, Qt::DockWidgetArea area, std::string_view toggle);
  void SyncChecks();
  void RebuildRecentMenu();

  void OnOpen();
  void OnCartesian();
  void OnPolar();
  void OnReferenceLine();
  void OnNormalise();
  void OnAssociation(std::string_view name);
  void OnIndicator(std::size_t indicator);
  void OnSaveConfiguration();
  void OnLoadConfiguration();
  void OnHorizontalList();
  void OnVerticalList();
  void OnDrawSetting();
  void OnColourSetting();
  void OnOpenFinished();
  void OnAbout();

  session::CTessalyUnitDoc& doc_;
  FilePrompts& prompts_;
  data::UserMessages& messages_;
  PlotView* view_ = nullptr;
  TrendChartView* trendChart_ = nullptr;
  QStackedWidget* centre_ = nullptr;
  FileListPane* fileList_ = nullptr;
  CurrentResultsPane* currentResults_ = nullptr;
  AllResultsPane* allResults_ = nullptr;
  BatchOpener* opener_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  std::map<std::string, QAction*, std::less<>> actions_;
  QStringList unreadable_;  // folders of the batch in hand that could not be walked
};

}  // namespace lumaret::desktop
