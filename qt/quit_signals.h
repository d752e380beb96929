// SIGINT and SIGTERM end the program the orderly way (the sound library shut down, the settings
// written), through the event loop: the signal handler only writes a byte into a socket pair that the
// loop watches. A second signal ends the program at once, as without this.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

class QuitSignals : public QObject {
    Q_OBJECT
  public:
    // `ready` tells whether the program may end now (no handler is running); until it does, the
    // request waits. `quit` ends the program.
    QuitSignals(std::function<bool()> ready, std::function<void()> quit, QObject* parent);
    ~QuitSignals() override;

  private:
    void received();
    void try_quit();

    std::function<bool()> ready_;
    std::function<void()> quit_;
    QSocketNotifier* notifier_ = nullptr;
    bool pending_ = false;
};
