// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeychainSecretStore.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace kav::platform {
namespace {

void runToEnd(QKeychain::Job& job, const std::string& key) {
    job.setAutoDelete(false);
    job.setInsecureFallback(false); // a password never goes to a plain file
    job.setKey(QString::fromStdString(key));
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
}

} // namespace

KeychainSecretStore::KeychainSecretStore(QString service) : service_(std::move(service)) {}

SecretStore::ReadResult KeychainSecretStore::read(const std::string& key) {
    QKeychain::ReadPasswordJob job(service_);
    runToEnd(job, key);
    switch (job.error()) {
    case QKeychain::NoError:
        return {Status::Ok, job.textData().toStdString()};
    case QKeychain::EntryNotFound:
        return {Status::NotFound, {}};
    default:
        return {Status::Unavailable, {}};
    }
}

SecretStore::Status KeychainSecretStore::write(const std::string& key, const std::string& secret) {
    if (secret.empty()) {
        QKeychain::DeletePasswordJob job(service_);
        runToEnd(job, key);
        const bool gone =
            job.error() == QKeychain::NoError || job.error() == QKeychain::EntryNotFound;
        return gone ? Status::Ok : Status::Unavailable;
    }
    QKeychain::WritePasswordJob job(service_);
    job.setTextData(QString::fromStdString(secret));
    runToEnd(job, key);
    return job.error() == QKeychain::NoError ? Status::Ok : Status::Unavailable;
}

} // namespace kav::platform
