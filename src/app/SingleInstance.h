#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

namespace orfa::app {

// One running copy per user and settings directory. The first copy holds a
// lock file and listens on a local socket; a later copy finds the lock taken,
// asks the first to come to the front and ends. A lock left behind by a copy
// that crashed is taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& settingsDirectory, QObject* parent = nullptr);
    ~SingleInstance() override;

    bool isPrimary() const { return primary_; }

    // From a later copy: asks the running one to come to the front. False
    // when it could not be reached.
    bool activatePrimary(int timeoutMs = 2000) const;

    // The name of the local socket (also the stem of the lock file).

Q_SIGNALS:
    void activationRequested();

private:
    void onNewConnection();

    QString name_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
    bool primary_ = false;
};

} // namespace orfa::app
