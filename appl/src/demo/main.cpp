// The sample wizard: a French income declaration assistant built on the wizard framework.
//
//   wizard_demo [--declaration <file>]     opens the wizard on the declaration kept in <file>
//                                          (by default in the user's data folder)
//   wizard_demo --tour <folder>            runs the scripted tour and saves its pictures,
//                                          the declaration and the printed PDF in <folder>

#include "TAssistantRevenus.h"
#include "TFichierDeclaration.h"
#include "TVisiteGuidee.h"

#include "Cp1252.h"
#include "QtTranslations.h"

#include <log4cxx/basicconfigurator.h>
#include <log4cxx/logger.h>
#include <log4cxx/propertyconfigurator.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void Usage()
{
    std::cout << "Usage : wizard_demo [--declaration <fichier>] | --tour <dossier>\n";
}

// The trace setup a user can edit, beside the executable; a quiet default without it.
void ConfigureTrace(const QString& fichierTrace)
{
    // The trace names the user's files: readable by the user only, made so before log4cxx
    // opens it.
    const QByteArray nom = QFile::encodeName(fichierTrace);
    const int fd = ::open(nom.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::fchmod(fd, 0600);
        ::close(fd);
    }
    if (qEnvironmentVariableIsEmpty("WIZARD_DEMO_LOG"))
        qputenv("WIZARD_DEMO_LOG", QFile::encodeName(fichierTrace));
    const QString proprietes = QCoreApplication::applicationDirPath() + "/wizard_demo.properties";
    if (QFileInfo::exists(proprietes)) {
        log4cxx::PropertyConfigurator::configure(QFile::encodeName(proprietes).toStdString());
    } else {
        log4cxx::BasicConfigurator::configure();
        log4cxx::Logger::getRootLogger()->setLevel(log4cxx::Level::getWarn());
    }
}

// Off screen, Qt's platform says at every resize that it cannot pass size hints to a window
// manager it does not have: the tour's report stays readable without that noise.
QtMessageHandler g_messagesQt = nullptr;

void FiltreMessagesQt(QtMsgType type, const QMessageLogContext& contexte, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (g_messagesQt)
        g_messagesQt(type, contexte, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, contexte, message)));
}

} // namespace

int main(int argc, char** argv)
{
    std::string tour;
    std::string declaration;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--tour" || argument == "--declaration") && i + 1 < argc) {
            (argument == "--tour" ? tour : declaration) = argv[++i];
        } else if (argument == "--help" || argument == "-h") {
            Usage();
            return 0;
        } else {
            Usage();
            return 2;
        }
    }
    // The tour needs no display: it draws off screen unless a platform was chosen.
    if (!tour.empty()) {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr)
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        g_messagesQt = qInstallMessageHandler(FiltreMessagesQt);
    }

    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("kelmar"));
    QApplication::setApplicationName(QStringLiteral("wizard_demo"));
    InstallQtTranslations(); // Qt's own dialogs in French under a French locale

    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString dossierTrace =
        tour.empty() ? donnees : QDir(QString::fromLocal8Bit(tour.c_str())).absolutePath();
    // The data folder holds the user's declaration: private to the user.
    TFichierDeclaration::PrepareDossierPrive(QFile::encodeName(donnees).toStdString());
    QDir().mkpath(dossierTrace);
    ConfigureTrace(dossierTrace + "/wizard_demo.log");

    TAssistantRevenus::Options options;
    options.moduleTitres =
        QFile::encodeName(QCoreApplication::applicationDirPath() + "/wizard_demo_titles")
            .toStdString();

    if (!tour.empty()) {
        TVisiteGuidee visite(QFile::encodeName(dossierTrace).toStdString(), std::cout);
        const bool souris = visite.Execute(options);
        // The same declaration again, with keys alone.
        TVisiteGuidee auClavier(QFile::encodeName(dossierTrace + "/clavier").toStdString(),
                                std::cout);
        const bool clavier = auClavier.Execute(options, TVisiteGuidee::Mode::Clavier);
        return souris && clavier ? 0 : 1;
    }

    options.fichierDeclaration =
        declaration.empty()
            ? QFile::encodeName(donnees + "/declaration-revenus-2024.txt").toStdString()
            : declaration;
    options.fichierDemande = !declaration.empty();
    // One recovery copy per declaration file, in the private data folder.
    const QByteArray cle =
        QCryptographicHash::hash(QFileInfo(QFile::decodeName(options.fichierDeclaration.c_str()))
                                     .absoluteFilePath()
                                     .toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(12);
    options.fichierReprise =
        QFile::encodeName(donnees + "/reprise-" + QString::fromLatin1(cle) + ".txt").toStdString();
    TAssistantRevenus assistant(options);
    assistant.OuvreAuDemarrage();
    const TAssistantRevenus::Issue issue = assistant.Execute();
    std::cout << Cp1252::toUtf8(issue.message) << std::endl;
    return 0;
}
