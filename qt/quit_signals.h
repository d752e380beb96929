// SIGINT and SIGTERM end the program the orderly way (the game kept, the sound library shut down, the
// preferences written), through the event loop: the signal handler only writes a byte into a socket
// pair that the loop watches, waits included. A second signal before the program has ended gives it
// two seconds more to finish, then ends it; a third ends it at once.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

class QuitSignals : public QObject {
    Q_OBJECT
  public:
    // `requested` is called once, on the first signal, wherever the event loop is.
    QuitSignals(std::function<void()> requested, QObject* parent);
    ~QuitSignals() override;

  private:
    void received();

    std::function<void()> requested_;
    QSocketNotifier* notifier_ = nullptr;
    bool seen_ = false;
};
