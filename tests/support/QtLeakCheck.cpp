#include "QtLeakCheck.h"

#include "GestureFlush.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QSemaphore>
#include <QThreadPool>
#include <QWidget>

#include <atomic>
#include <mutex>
#include <string>
#include <unordered_set>

// Qt's hook table (exported by QtCore, documented for tools such as debuggers): slot 3 is
// called for every QObject constructed, slot 4 for every QObject destroyed.
extern "C" Q_DECL_IMPORT quintptr qtHookData[];

namespace {

std::atomic<qsizetype> g_liveObjects{0};
using ObjectHook = void (*)(QObject*);
ObjectHook g_previousAdd = nullptr;
ObjectHook g_previousRemove = nullptr;

// Objects born while a leak-checked test runs, so that a leak can be reported by class name.
std::mutex g_bornMutex;
std::unordered_set<QObject*> g_born;
bool g_recording = false;

void onAdd(QObject* object)
{
    ++g_liveObjects;
    {
        std::lock_guard lock(g_bornMutex);
        if (g_recording)
            g_born.insert(object);
    }
    if (g_previousAdd)
        g_previousAdd(object);
}

void onRemove(QObject* object)
{
    --g_liveObjects;
    {
        std::lock_guard lock(g_bornMutex);
        g_born.erase(object);
    }
    if (g_previousRemove)
        g_previousRemove(object);
}

struct HookInstaller
{
    HookInstaller()
    {
        g_previousAdd = reinterpret_cast<ObjectHook>(qtHookData[3]);
        g_previousRemove = reinterpret_cast<ObjectHook>(qtHookData[4]);
        qtHookData[3] = reinterpret_cast<quintptr>(&onAdd);
        qtHookData[4] = reinterpret_cast<quintptr>(&onRemove);
    }
};
const HookInstaller g_installer;

// Qt paints and converts images on its global thread pool, whose threads are QObjects that
// come and go with the load of the machine. Start every thread the pool may have once and keep
// them, so that their number cannot change while a test is counting.
void pinGlobalThreadPool()
{
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(-1);
    const int threads = pool->maxThreadCount();
    // Static: the tasks may still be leaving acquire() when this function returns.
    static QSemaphore started;
    static QSemaphore release;
    for (int i = 0; i < threads; ++i) {
        pool->start([] {
            started.release();
            release.acquire();
        });
    }
    // Best effort: a pool thread busy elsewhere must not hang every test.
    constexpr int kWaitMs = 10000;
    started.tryAcquire(threads, kWaitMs);
    release.release(threads);
}

} // namespace

qsizetype liveQObjectCount()
{
    return g_liveObjects.load();
}

void flushQtEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    // Scroll areas leave their gesture objects behind until the next event passes.
    flushDeletedGestures();
}

void QtLeakCheckedTest::SetUp()
{
    static const bool pinned = (pinGlobalThreadPool(), true);
    (void)pinned;
    flushQtEvents();
    m_objectsBefore = liveQObjectCount();
    std::lock_guard lock(g_bornMutex);
    g_born.clear();
    g_recording = true;
}

void QtLeakCheckedTest::TearDown()
{
    flushQtEvents();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        ADD_FAILURE() << "top-level widget left after the test: "
                      << window->metaObject()->className() << " \""
                      << window->objectName().toStdString() << "\"";
    }
    qDeleteAll(windows);
    flushQtEvents();
    std::string survivors;
    {
        std::lock_guard lock(g_bornMutex);
        g_recording = false;
        for (QObject* object : g_born) {
            survivors += ' ';
            survivors += object->metaObject()->className();
        }
        g_born.clear();
    }
    EXPECT_EQ(liveQObjectCount(), m_objectsBefore)
        << "QObjects were leaked by the test; born during it and still alive:" << survivors;
}
