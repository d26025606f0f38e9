#include "main/Unt_aura.h"

#include "base/Contrast.h"
#include "base/Numbers.h"
#include "common/ErrorBox.h"
#include "common/HelpViewer.h"
#include "common/Placement.h"
#include "common/RadioMenu.h"
#include "data/Naming.h"
#include "elements/Elements.h"
#include "elements/ElementsAccessible.h"
#include "main/Relief.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "toolbar/TB97.h"
#include "windows/Unt_abot.h"
#include "windows/Unt_find.h"
#include "windows/Unt_grph.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"
#include "windows/unt_optn.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolTip>
#include <algorithm>

using MenuItems::Mark;

void TfrmAuralis::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    auto menu = [this](const char *name, const QString &title) {
        return MenuItems::menu(this, QLatin1String(name), title);
    };
    auto item = [this](QMenu *m, const char *name, const QString &caption, Mark mark,
                    const QKeySequence &shortcut = {}) {
        QAction *a = MenuItems::item(
            m, this, QLatin1String(name), caption, mark, [this](QAction *clicked) {
                if (std::find(trendItems.begin(), trendItems.end(), clicked) != trendItems.end())
                    MenuTrendsClick(clicked);
                else
                    MenuClick(clicked);
            });
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        return a;
    };
    auto separator = [this](QMenu *m, const char *name) {
        QAction *a = m->addSeparator();
        a->setObjectName(QLatin1String(name));
        a->setParent(this);
        return a;
    };

    FileMenu = menu("FileMenu", tr("&File"));
    mnuSaveConfigNow = item(FileMenu, "mnuSaveConfigNow", tr("&Save Config &Now"), Mark::None);
    mnuSaveConfigOnExit
        = item(FileMenu, "mnuSaveConfigOnExit", tr("Save Config On &Exit"), Mark::Check);
    separator(FileMenu, "N9");
    mnuExportTable = item(FileMenu, "mnuExportTable", tr("Export &Table..."), Mark::None);
    mnuExportData = item(FileMenu, "mnuExportData", tr("Export &Data..."), Mark::None);
    mnuPrint = item(
        FileMenu, "mnuPrint", tr("&Print..."), Mark::None, QKeySequence(Qt::CTRL | Qt::Key_P));
    separator(FileMenu, "N2");
    mnuExit = item(FileMenu, "mnuExit", tr("E&xit"), Mark::None);
    mnuSaveConfigOnExit->setChecked(m_state.mark(SharedState::Mark::SaveOnExit));
    // The mark is the state's; the item shows it, and a change of the item is a request.
    connect(mnuSaveConfigOnExit, &QAction::toggled, this,
        [this](bool on) { m_state.setMark(SharedState::Mark::SaveOnExit, on); });

    ViewMenu = menu("ViewMenu", tr("&View"));
    mnuToolbar = item(ViewMenu, "mnuToolbar", tr("&Toolbar"), Mark::Check);
    mnuStatusBar = item(ViewMenu, "mnuStatusBar", tr("Status &Bar"), Mark::Check);
    separator(ViewMenu, "N8");
    mnuElementOnTop = item(ViewMenu, "mnuElementOnTop", tr("&Element Info On Top"), Mark::Check);
    mnuTrendsOnTop = item(ViewMenu, "mnuTrendsOnTop", tr("&Trends Graph On Top"), Mark::Check);
    separator(ViewMenu, "N1");
    mnuNamingScheme = menu("mnuNamingScheme", tr("&Naming Scheme"));
    ViewMenu->addMenu(mnuNamingScheme);
    mnuIUPACApproved
        = item(mnuNamingScheme, "mnuIUPACApproved", tr("IUPAC - Appr&oved"), Mark::Check);
    mnuIUPACProvisional
        = item(mnuNamingScheme, "mnuIUPACProvisional", tr("IUPAC - &Provisional"), Mark::Radio);
    mnuIUPACRecommended
        = item(mnuNamingScheme, "mnuIUPACRecommended", tr("IUPAC - &Recommended"), Mark::Radio);
    mnuACSRecommended
        = item(mnuNamingScheme, "mnuACSRecommended", tr("&ACS - Recommended"), Mark::Radio);
    mnuElements118 = item(ViewMenu, "mnuElements118", tr("E&lements 110 to 118"), Mark::Check);
    separator(ViewMenu, "N7");
    mnuOptions = item(ViewMenu, "mnuOptions", tr("&Options..."), Mark::None);
    mnuToolbar->setChecked(true);
    mnuStatusBar->setChecked(true);

    ElementMenu = menu("ElementMenu", tr("&Element"));
    mnuFindElement = item(ElementMenu, "mnuFindElement", tr("&Find Element..."), Mark::None,
        QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuSetTemperature = item(ElementMenu, "mnuSetTemperature", tr("Set &Temperature..."),
        Mark::None, QKeySequence(Qt::CTRL | Qt::Key_T));
    separator(ElementMenu, "N3");
    mnuElementInfo = item(ElementMenu, "mnuElementInfo", tr("Element &Information"), Mark::Check,
        QKeySequence(Qt::CTRL | Qt::Key_I));

    TrendsMenu = menu("TrendsMenu", tr("&Trends"));
    mnuNone = trendItems[0] = item(TrendsMenu, "mnuNone", tr("&None"), Mark::Radio);
    for (int i = 0; i < TrendPropertyCount; ++i)
        trendItems[size_t(i) + 1]
            = item(TrendsMenu, Fields::trend(i).itemName, Fields::trendCaption(i), Mark::Radio);
    mnuNone->setChecked(true);
    separator(TrendsMenu, "N4");
    mnuGraph = item(TrendsMenu, "mnuGraph", tr("&Graph Trends"), Mark::None);

    HelpMenu = menu("HelpMenu", tr("&Help"));
    mnuHelpContents = item(
        HelpMenu, "mnuHelpContents", tr("Help &Contents"), Mark::None, QKeySequence(Qt::Key_F1));
    mnuAbout = item(HelpMenu, "mnuAbout", tr("&About Auralis   ..."), Mark::None);

    for (QMenu *m : { FileMenu, ViewMenu, ElementMenu, TrendsMenu, HelpMenu })
        bar->addMenu(m);

    PopupMenu = menu("PopupMenu", QString());
    mnuElementInfoPop
        = item(PopupMenu, "mnuElementInfoPop", tr("&Element Information"), Mark::None);
    N6 = separator(PopupMenu, "N6");
    mnuFindPop = item(PopupMenu, "mnuFindPop", tr("&Find Element..."), Mark::None);
    mnuTempPop = item(PopupMenu, "mnuTempPop", tr("Change &Temperature..."), Mark::None);
    mnuColorPop = item(PopupMenu, "mnuColorPop", tr("Setup &Colours..."), Mark::None);
}

QAction *TfrmAuralis::markItem(SharedState::Mark mark) const
{
    switch (mark) {
    case SharedState::Mark::InfoWanted:
        return mnuElementInfo;
    case SharedState::Mark::ElementOnTop:
        return mnuElementOnTop;
    case SharedState::Mark::TrendsOnTop:
        return mnuTrendsOnTop;
    case SharedState::Mark::SaveOnExit:
        return mnuSaveConfigOnExit;
    }
    return nullptr;
}

void TfrmAuralis::followMark(SharedState::Mark mark, bool on)
{
    if (QAction *item = markItem(mark)) {
        const QSignalBlocker quiet(item);
        item->setChecked(on);
    }
}

std::array<QAction *, Naming::SchemeCount> TfrmAuralis::schemeItems() const
{
    return { mnuIUPACApproved, mnuIUPACProvisional, mnuIUPACRecommended, mnuACSRecommended };
}

// Every command once: the items that present it, the status text of its toolbar button,
// and what it does. MenuClick and Status look commands up here.
const std::vector<TfrmAuralis::Command> &TfrmAuralis::commands()
{
    using W = TfrmAuralis;
    using Mark = SharedState::Mark;
    static const auto toggleMark = [](W &w, Mark mark) {
        // The window that follows the mark does so itself.
        w.m_state.setMark(mark, !w.m_state.mark(mark));
        QCoreApplication::processEvents();
    };
    static const auto toggleBar = [](W &w, QAction *item, QWidget *bar) {
        item->setChecked(!item->isChecked());
        if (bar)
            bar->setHidden(!bar->isHidden());
        w.FormResize();
    };
    static const auto chooseScheme = [](W &w, QObject *sender) {
        const auto items = w.schemeItems();
        w.m_state.setNamingScheme(
            int(std::find(items.begin(), items.end(), sender) - items.begin()));
    };
    static const std::vector<Command> table = {
        { &W::mnuSaveConfigNow, nullptr, nullptr, nullptr,
            [](W &w, QObject *) { w.SaveSettings(); } },
        { &W::mnuSaveConfigOnExit, nullptr, nullptr, nullptr,
            [](W &w, QObject *) {
                w.m_state.setMark(Mark::SaveOnExit, !w.m_state.mark(Mark::SaveOnExit));
            } },
        { &W::mnuExportTable, nullptr, nullptr, nullptr,
            [](W &w, QObject *) { w.ExportTableClick(); } },
        { &W::mnuExportData, nullptr, nullptr, nullptr,
            [](W &w, QObject *) { w.ExportDataClick(); } },
        { &W::mnuPrint, nullptr, nullptr, nullptr, [](W &w, QObject *) { w.PrintClick(); } },
        { &W::mnuExit, nullptr, nullptr, nullptr, [](W &w, QObject *) { w.close(); } },
        { &W::mnuToolbar, nullptr, nullptr, nullptr,
            [](W &w, QObject *) { toggleBar(w, w.mnuToolbar, w.Toolbar); } },
        { &W::mnuStatusBar, nullptr, nullptr, nullptr,
            [](W &w, QObject *) { toggleBar(w, w.mnuStatusBar, w.StatusBar); } },
        { &W::mnuElementOnTop, nullptr, nullptr, nullptr,
            [](W &w, QObject *) { toggleMark(w, Mark::ElementOnTop); } },
        { &W::mnuTrendsOnTop, nullptr, nullptr, nullptr,
            [](W &w, QObject *) { toggleMark(w, Mark::TrendsOnTop); } },
        { &W::mnuIUPACApproved, nullptr, nullptr, nullptr, chooseScheme },
        { &W::mnuIUPACProvisional, nullptr, nullptr, nullptr, chooseScheme },
        { &W::mnuIUPACRecommended, nullptr, nullptr, nullptr, chooseScheme },
        { &W::mnuACSRecommended, nullptr, nullptr, nullptr, chooseScheme },
        { &W::mnuElements118, nullptr, nullptr, nullptr,
            [](W &w, QObject *) {
                // The user's choice, kept from now on; an older data file cannot give it.
                const int wanted
                    = w.m_state.elementCount() > ElementCount ? ElementCount : MaxElementCount;
                if (wanted > ElementCount && !w.m_state.completePeriodAvailable())
                    return;
                w.m_state.setElementsSetting(wanted);
                w.m_state.setElementCount(wanted);
            } },
        { &W::mnuOptions, &W::mnuColorPop, &W::butColor,
            QT_TR_NOOP("Setup element and table colors"),
            [](W &w, QObject *) {
                if (w.m_tools.options)
                    w.showOptions(*w.m_tools.options);
            } },
        // A tile's double click, Enter and Space come here too.
        { &W::mnuElementInfo, &W::mnuElementInfoPop, &W::butElementInfo,
            QT_TR_NOOP("Element Information Window"),
            [](W &w, QObject *sender) { w.showOrCloseInfo(sender); } },
        { &W::mnuFindElement, &W::mnuFindPop, &W::butFind,
            QT_TR_NOOP("Find an element in terms of weight, size, and others"),
            [](W &w, QObject *) {
                if (w.m_tools.find)
                    w.m_tools.find->exec();
            } },
        { &W::mnuSetTemperature, &W::mnuTempPop, &W::butTemperature,
            QT_TR_NOOP("Set the current temperature in Kelvin, Celcius or Farenheit"),
            [](W &w, QObject *) {
                if (w.m_tools.temperature)
                    w.m_tools.temperature->exec();
            } },
        { &W::mnuGraph, nullptr, &W::butGraph, QT_TR_NOOP("Graph periodic trends"),
            [](W &w, QObject *) {
                if (w.m_tools.graph)
                    w.m_tools.graph->showRestored();
            } },
        { &W::mnuHelpContents, nullptr, &W::butHelp, QT_TR_NOOP("Help on Auralis   "),
            [](W &w, QObject *) { HelpViewer::showTopic(w.m_state.helpFile(), 1, &w); } },
        { &W::mnuAbout, nullptr, &W::butAbout, QT_TR_NOOP("About Auralis   "),
            [](W &w, QObject *) {
                if (w.m_tools.about)
                    w.m_tools.about->exec();
            } },
    };
    return table;
}

const TfrmAuralis::Command *TfrmAuralis::commandOf(const QObject *sender) const
{
    if (!sender)
        return nullptr;
    const bool tileSender = qobject_cast<const TElement *>(sender);
    for (const Command &c : commands()) {
        if ((tileSender && c.item == &TfrmAuralis::mnuElementInfo) || this->*c.item == sender
            || (c.popup && this->*c.popup == sender) || (c.button && this->*c.button == sender))
            return &c;
    }
    return nullptr;
}

void TfrmAuralis::MenuClick(QObject *sender)
{
    ErrorBox::guarded([&] {
        if (const Command *c = commandOf(sender))
            c->run(*this, sender);
    });
}

// Element Information: the checked menu item closes the window, every other way shows it.
void TfrmAuralis::showOrCloseInfo(QObject *sender)
{
    if (sender == mnuElementInfo && m_state.mark(SharedState::Mark::InfoWanted)) {
        if (m_tools.info)
            m_tools.info->close();
        m_state.setMark(SharedState::Mark::InfoWanted, false);
        return;
    }
    m_state.setMark(SharedState::Mark::InfoWanted, true);
    if (m_tools.info) {
        m_tools.info->show();
        m_tools.info->raise();
        m_tools.info->activateWindow();
    }
}

void TfrmAuralis::MenuTrendsClick(QAction *sender)
{
    const auto it = std::find(trendItems.begin(), trendItems.end(), sender);
    if (!sender || it == trendItems.end())
        return;
    showTrend(int(it - trendItems.begin()) - 1);
}

void TfrmAuralis::showTrend(int property)
{
    ErrorBox::guarded([&] {
        if (property < -1 || property >= TrendPropertyCount)
            return;
        QAction *item = trendItems[size_t(property + 1)];
        if (item->isChecked())
            return;
        for (QAction *a : trendItems)
            a->setChecked(false);
        item->setChecked(true);

        applyTrend(property);
        PeriodicTableResize();
    });
}

void TfrmAuralis::applyTrend(int property)
{
    if (property < 0) {
        for (int z = 1; z <= m_state.elementCount(); ++z)
            if (TElement *t = tile(z))
                t->setDepth(0);
        return;
    }
    const PropertyColumn column = PropertyColumn::scan(m_state.data(),
        Fields::trend(property).valueField, m_state.decimalSeparator(), m_state.elementCount());
    const int maxDepth = tile(1) ? tile(1)->maxDepth() : 20;
    const auto depths = Relief::depths(column, maxDepth);
    for (int z = 1; z <= m_state.elementCount(); ++z)
        if (TElement *t = tile(z))
            t->setDepth(depths[z - 1]);
}

void TfrmAuralis::ElementClick(int z, Qt::MouseButton button)
{
    ErrorBox::guarded([&] {
        if (!tile(z))
            return;
        // The tiles and the information window follow the state's signal.
        m_state.setSelectedElement(z);
        QCoreApplication::processEvents();
        if (button == Qt::RightButton)
            openPopup(true);
    });
}

void TfrmAuralis::followSelection(int z)
{
    TElement *old = tile(m_markedTile);
    if (old)
        old->setSelected(false);
    m_markedTile = z;
    TElement *t = tile(z);
    if (t)
        t->setSelected(true);
    // Whatever moved the selection (a key, a click, the find window, the graph, the
    // settings), a screen reader hears it as it hears a list's current item.
    ElementsAccessible::selectionMoved(PeriodicTable, old, t);
}

void TfrmAuralis::TableMouseDown(QObject *, Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        openPopup(false);
}

void TfrmAuralis::openPopup(bool onTile)
{
    if (!PopupMenu)
        return;
    mnuElementInfoPop->setVisible(onTile);
    N6->setVisible(onTile);
    // Only the tile's menu drops the tile's tool-tip while it is open.
    const int pause = m_hintHidePause;
    if (onTile) {
        m_hintHidePause = 0;
        QToolTip::hideText();
    }
    PopupMenu->exec(QCursor::pos());
    m_hintHidePause = pause;
}

void TfrmAuralis::LegendDblClick(QObject *)
{
    ErrorBox::guarded([this] {
        if (m_tools.options)
            showOptions(*m_tools.options);
    });
}

void TfrmAuralis::setTemperature(float kelvin)
{
    m_state.setTemperature(kelvin);
}

void TfrmAuralis::ApplyTemperature()
{
    const double kelvin = double(m_state.temperature());
    if (TempSlider) {
        // Set by the state, the slider does not ask again.
        const QSignalBlocker quiet(TempSlider);
        TempSlider->setValue(Numbers::roundHalfEven(qBound(0.0, kelvin, 6000.0)));
    }
    for (int z = 1; z <= m_state.elementCount(); ++z)
        if (TElement *t = tile(z))
            t->setTemperature(kelvin);
}

void TfrmAuralis::ApplyNamingScheme()
{
    ErrorBox::guarded([&] {
        const auto items = schemeItems();
        for (int i = 0; i < Naming::SchemeCount; ++i) {
            if (items[size_t(i)]) {
                const QSignalBlocker quiet(items[size_t(i)]);
                items[size_t(i)]->setChecked(i == m_state.namingScheme());
            }
        }
        for (int z = Naming::FirstNamedElement; z <= Naming::LastNamedElement; ++z) {
            if (TElement *t = tile(z)) {
                t->setSymbol(m_state.symbol(z));
                t->setHint(m_state.name(z));
                describeTile(z);
            }
        }
        // Before the first show the table has no size of its own; the show lays it out.
        if (m_firstShowDone)
            PeriodicTableResize();
        update();
    });
}

void TfrmAuralis::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_firstShowDone) {
        m_firstShowDone = true;
        if (!focusWidget())
            PeriodicTable->setFocus();
        ErrorBox::guarded([this] { FormShow(); });
    }
}

void TfrmAuralis::FormShow()
{
    emit firstShown();

    IniFile ini(m_state.settingsFile());
    // A settings write that fails here is reported and start-up goes on: losing a
    // first-run flag is no reason to lose the program.
    const auto writeFirstRunKey = [this](const std::function<void()> &write) {
        if (!m_settingsRefused)
            ErrorBox::guarded(write);
    };
    if (!Settings::NoticeRead.readFlag(ini)) {
        TfrmAbout notice(this);
        notice.setWindowTitle(tr("Please Read Carefully"));
        Placement::centreOnScreen(&notice, screenSize());
        notice.exec();
        writeFirstRunKey([&] { Settings::NoticeRead.writeFlag(ini, true); });
    }

    if (const auto stored = ColourScheme::readTable(ini)) {
        setTableColour(*stored);
        return;
    }
    // The stock light styles here use light neutral greys of their own, not silver: any
    // such face is the standard one, and a dark, coloured or high-contrast face is not.
    const TColor face = TColor::system(TColor::BtnFace);
    if (Contrast::isStandardFace(face.resolve(palette()))) {
        setTableColour(face);
    } else {
        ErrorBox::showMessage(this, QMessageBox::Warning, tr("Colours - Auralis"),
            tr("Because you are not using the standard 3D colour, "
               "you should adjust the colour setup to make sure "
               "that all application text will appear readable)"));
        // The tool windows do not exist yet: a dialog of its own, offering the table
        // colours only, lets the user pick the grey background.
        TfrmOptions colours(m_state, this);
        colours.setTableColoursOnly(true);
        connect(&colours, &TfrmOptions::coloursChosen, this, &TfrmAuralis::applyColourScheme);
        connect(&colours, &TfrmOptions::backgroundChosen, this, &TfrmAuralis::applyBackground);
        Placement::centreOnScreen(&colours, screenSize());
        showOptions(colours);
    }
    writeFirstRunKey([&] { m_state.colours().writeTable(ini); });
}

void TfrmAuralis::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        WMSysCommand(static_cast<QWindowStateChangeEvent *>(event)->oldState(), windowState());
}

void TfrmAuralis::WMSysCommand(Qt::WindowStates oldState, Qt::WindowStates newState)
{
    if (!mnuElementInfo || !m_tools.info || oldState == newState)
        return;
    const bool wanted = m_state.mark(SharedState::Mark::InfoWanted);
    if ((newState & Qt::WindowMinimized) && !(oldState & Qt::WindowMinimized)) {
        if (wanted && m_tools.info->isVisible()) {
            // Hidden with the owner, the window stays wanted.
            m_tools.info->hide();
            m_state.setMark(SharedState::Mark::InfoWanted, true);
        }
    } else if (!(newState & Qt::WindowMinimized)) {
        if (wanted && !m_tools.info->isVisible())
            m_tools.info->show();
    }
}

void TfrmAuralis::attachToolWindows(const ToolWindows &tools)
{
    m_tools = tools;
    if (TfrmElementInfo *info = m_tools.info) {
        connect(
            info, &TfrmElementInfo::closeRequested, this, [this] { MenuClick(mnuElementInfo); });
        connect(info, &TfrmElementInfo::hidden, this,
            [this] { m_state.setMark(SharedState::Mark::InfoWanted, false); });
        connect(info, &TfrmElementInfo::shownAtStart, this, [this] {
            m_state.setMark(SharedState::Mark::InfoWanted, true);
            activateWindow();
        });
        connect(info, &TfrmElementInfo::coloursRequested, this, &TfrmAuralis::applyColourScheme);
        ErrorBox::guarded([info] { info->FormCreate(); });
    }
    if (TfrmGraph *graph = m_tools.graph) {
        connect(graph, &TfrmGraph::elementChosen, this,
            [this](int z) { ElementClick(z, Qt::LeftButton); });
        connect(graph, &TfrmGraph::elementInfoRequested, this,
            [this] { MenuClick(mnuElementInfoPop); });
        connect(graph, &TfrmGraph::focusRequested, this, [this] {
            activateWindow();
            if (m_tools.info && m_tools.info->isVisible() && !m_tools.info->stayOnTop())
                m_tools.info->activateWindow();
        });
        connect(graph, &TfrmGraph::aboutRequested, this, [this] {
            if (m_tools.about)
                m_tools.about->exec();
        });
        connect(graph, &TfrmGraph::coloursRequested, this, &TfrmAuralis::applyColourScheme);
        ErrorBox::guarded([graph] { graph->FormCreate(); });
    }
    if (TfrmSetTemperature *dialog = m_tools.temperature) {
        connect(dialog, &TfrmSetTemperature::temperatureChosen, this,
            &TfrmAuralis::applyChosenTemperature);
        ErrorBox::guarded([dialog] { dialog->FormCreate(); });
    }
    if (TfrmFindElement *find = m_tools.find) {
        // The find window's choice is a left click on the element's tile.
        connect(find, &TfrmFindElement::elementChosen, this,
            [this](int z) { ElementClick(z, Qt::LeftButton); });
        ErrorBox::guarded([find] { find->FormCreate(); });
    }
    if (TfrmOptions *options = m_tools.options) {
        connect(options, &TfrmOptions::coloursChosen, this, &TfrmAuralis::applyColourScheme);
        connect(options, &TfrmOptions::backgroundChosen, this, &TfrmAuralis::applyBackground);
        connect(options, &TfrmOptions::languageChosen, this,
            [this](const QString &code) { m_state.setLanguageChoice(code); });
        ErrorBox::guarded([options] { options->FormCreate(); });
    }
}

void TfrmAuralis::showOptions(TfrmOptions &dialog)
{
    dialog.exec();
}

void TfrmAuralis::applyBackground(const QString &file, const QPixmap &picture)
{
    imgWallpaper = picture;
    m_state.setBackgroundFile(file);
    // The same file may come back as a new picture.
    if (pntBackGround)
        pntBackGround->update();
}

void TfrmAuralis::applyChosenTemperature(float kelvin)
{
    // The value is kept to the two decimals the dialog shows.
    const QString text = Numbers::temperatureText(kelvin, m_state.decimalSeparator());
    setTemperature(float(Numbers::strToFloat(text, m_state.decimalSeparator())));
}
