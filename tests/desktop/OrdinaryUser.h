#pragma once

#include <QProcess>

#include <pwd.h>
#include <unistd.h>

#include <optional>

// A user without privileges to run programs as, the way a desktop user runs them: the test's
// own user, or, when the tests run as root, a user made for the tests (XScreenSaver refuses to
// run display programs as root, and root may write where a user may not).
struct OrdinaryUser {
    static constexpr const char* kName = "tikora-tester";

    // The user, or nothing when there is none to be had; `why` then says why.
    static std::optional<OrdinaryUser> get(QString& why)
    {
        if (::geteuid() != 0)
            return OrdinaryUser{::geteuid(), ::getegid()};
        if (!::getpwnam(kName)) {
            QProcess::execute(
                "useradd", {"--system", "--no-create-home", "--shell", "/usr/sbin/nologin", kName});
        }
        if (const passwd* entry = ::getpwnam(kName))
            return OrdinaryUser{entry->pw_uid, entry->pw_gid};
        why = QString("the tests run as root and no user \"%1\" could be made").arg(kName);
        return std::nullopt;
    }

    bool isSwitched() const { return uid != ::geteuid(); }
    // The command line that runs `program` as this user.
    QStringList command(const QString& program, const QStringList& arguments) const
    {
        const QStringList setpriv = {
            "setpriv",        "--reuid", QString::number(uid), "--regid", QString::number(gid),
            "--clear-groups", "--"};
        return (isSwitched() ? setpriv : QStringList()) + QStringList{program} + arguments;
    }
    // Makes a folder, and all in it, this user's.
    void give(const QString& path) const
    {
        if (isSwitched())
            QProcess::execute("chown", {"-R", QString("%1:%2").arg(uid).arg(gid), path});
    }

    uid_t uid;
    gid_t gid;
};
