// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/ThreadFallback.h"

#include <dlfcn.h>
#include <pthread.h>
#include <QThreadPool>

#include <atomic>

namespace {
// What the start-up probe found. Qt calls QThreadPool::start below with no
// way to hand it a context, so this one fact of the process is kept here.
std::atomic<bool> noThreads{false};

void* nothing(void*) { return nullptr; }
}  // namespace

bool ThreadFallback::install() {
  pthread_t thread;
  const bool started = ::pthread_create(&thread, nullptr, nothing, nullptr) == 0;
  if (started) ::pthread_join(thread, nullptr);
  noThreads.store(!started);
  return started;
}

// Qt 6.4's raster painting, image conversions and smooth scaling cut a large
// job into pieces, hand them to QThreadPool::globalInstance() through this
// call and wait for every piece. A pool whose thread fails to start keeps the
// piece for that thread for ever (the failed thread stays counted as busy),
// so the painter waits for ever: where no thread can start (RLIMIT_NPROC, a
// full thread table) the program would hang at its first picture. Qt 6.4 has
// no setting that keeps these pieces on the caller (later versions read
// QT_NO_GUI_THREADPOOL), and the pool never runs work on the thread that asks.
// This definition takes the place of Qt's own in the whole process (the
// dynamic linker looks in the program before the libraries): where no thread
// could start, the piece runs at once on the caller, as the painter runs a job
// too small to cut; otherwise Qt's own start does the work.
void QThreadPool::start(std::function<void()> functionToRun, int priority) {
  using QtStart = void (*)(QThreadPool*, std::function<void()>, int);
  static const auto qtStart =
      reinterpret_cast<QtStart>(::dlsym(RTLD_NEXT, "_ZN11QThreadPool5startESt8functionIFvvEEi"));
  if (noThreads.load(std::memory_order_relaxed) || !qtStart) functionToRun();
  else qtStart(this, std::move(functionToRun), priority);
}
