#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWidget>

#include "engine/FolderWalk.h"
#include "engine/ResultsModel.h"
#include "shell/MYVARS.h"

// Until the search windows exist: quorrel [FOLDER [TEXT]] walks FOLDER for
// names containing TEXT and lists the results live.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  const std::string folder = args.size() > 1 ? std::string(argv[1]) : std::string("/");
  const QString text = args.size() > 2 ? args[2] : QString();

  QWidget window;
  window.setWindowTitle("Quorrel");
  auto* layout = new QVBoxLayout(&window);
  auto* status = new QLabel(&window);
  auto* view = new QTreeView(&window);
  view->setRootIsDecorated(false);
  view->setUniformRowHeights(true);
  layout->addWidget(view);
  layout->addWidget(status);
  window.resize(900, 600);

  SharedState& state = MYVARS::state();
  ResultsModel model(MYVARS::icons());
  view->setModel(&model);
  FolderWalk walk(MYVARS::fso(), model, MYVARS::icons(), state.walkFlags());
  walk.setYield([] { QCoreApplication::processEvents(); });
  walk.setNameSource([text] { return text; });
  walk.setStatusSink([status](const std::string& path) {
    status->setText("Searching In " + QString::fromUtf8(path.data(), qsizetype(path.size())) + "...");
  });
  window.show();
  QTimer::singleShot(0, [&] {
    walk.start(folder);
    status->setText(QString::number(model.rowCount()) + " File(s) Found!");
  });
  return app.exec();
}
