#pragma once

// The main window as the program makes it, for the tests that need one: started on a
// settings folder with the shipped program files, its tool windows made and attached on
// request, and detached before they go.

#include "Probes.h"
#include "main/Unt_aura.h"
#include "windows/Unt_abot.h"
#include "windows/Unt_find.h"
#include "windows/Unt_grph.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"
#include "windows/unt_optn.h"

#include <memory>

class MainWindowFixture
{
public:
    enum Tool {
        Info = 1,
        Graph = 2,
        Temperature = 4,
        Find = 8,
        About = 16,
        Options = 32,
        AllTools = 63
    };

    // The start options of a program whose settings are in settingsFolder.
    static TfrmAuralis::StartOptions startOptions(const QString &settingsFolder,
        const QString &programFolder = Probes::shippedFolder(), QChar separator = QLatin1Char('.'),
        QSize screen = QSize(1024, 768));

    explicit MainWindowFixture(const TfrmAuralis::StartOptions &options, int tools = 0);
    ~MainWindowFixture();
    MainWindowFixture(const MainWindowFixture &) = delete;
    MainWindowFixture &operator=(const MainWindowFixture &) = delete;

    TfrmAuralis *operator->() const { return main.get(); }
    TfrmAuralis *get() const { return main.get(); }
    // Makes the tool windows named (Tool flags) that do not exist yet, in the program's
    // order, and attaches every tool window there is.
    void makeTools(int tools);
    // Shows the main window and waits until it is active.
    bool showActive();

    std::unique_ptr<TfrmAuralis> main;
    std::unique_ptr<TfrmElementInfo> info;
    std::unique_ptr<TfrmGraph> graph;
    std::unique_ptr<TfrmSetTemperature> temperature;
    std::unique_ptr<TfrmFindElement> find;
    std::unique_ptr<TfrmAbout> about;
    std::unique_ptr<TfrmOptions> options;
};
