#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

#include <optional>

// A user without privileges to run programs as, the way a desktop user runs them: the test's
// own user, or, when the tests run as root, a user made for the tests (XScreenSaver refuses to
// run display programs as root, and root may write where a user may not).
class OrdinaryUser {
public:
    static constexpr const char* kName = "tikora-tester";

    // The user, or nothing when there is none to be had; `why` then says why.
    static std::optional<OrdinaryUser> get(QString& why)
    {
        if (::geteuid() != 0)
            return OrdinaryUser(::geteuid(), ::getegid());
        if (!::getpwnam(kName)) {
            QProcess useradd;
            useradd.start("useradd",
                          {"--system", "--no-create-home", "--shell", "/usr/sbin/nologin", kName});
            useradd.waitForFinished();
        }
        const passwd* entry = ::getpwnam(kName);
        if (!entry) {
            why = QString("the tests run as root and no user \"%1\" could be made with useradd")
                      .arg(kName);
            return std::nullopt;
        }
        return OrdinaryUser(entry->pw_uid, entry->pw_gid);
    }

    uid_t uid() const { return m_uid; }
    bool isSwitched() const { return m_uid != ::geteuid(); }
    // The command line that runs `program` as this user.
    QStringList command(const QString& program, const QStringList& arguments) const
    {
        if (!isSwitched())
            return QStringList{program} + arguments;
        return QStringList{"setpriv",
                           "--reuid",
                           QString::number(m_uid),
                           "--regid",
                           QString::number(m_gid),
                           "--clear-groups",
                           "--",
                           program} +
               arguments;
    }
    // Makes a folder, and all in it, this user's.
    void give(const QString& path) const
    {
        if (isSwitched())
            QProcess::execute("chown", {"-R", QString("%1:%2").arg(m_uid).arg(m_gid), path});
    }

private:
    OrdinaryUser(uid_t uid, gid_t gid)
        : m_uid(uid)
        , m_gid(gid)
    {
    }

    uid_t m_uid;
    gid_t m_gid;
};
