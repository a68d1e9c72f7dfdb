#include "app/gesture_runtime_win.h"

namespace flickmark {

GestureRuntime::GestureRuntime(PlatformModule& platform, StoredFiles& files, ShellModule& shell,
                               GestureCreation& creation)
    : platform_(platform), files_(files),
      pressGate_(platform.adapters.desktop, platform.adapters.input, files.programLists),
      scratchpadTrail_(shell.scratchpad().model()),
      handOver_([this] { return platform_.scheduler.post([this] { handOver_.deliver(); }); }, &handling_),
      recognizerHost_(RecognizerHostPorts{platform.adapters.input, platform.adapters.desktop, arrows_,
                                          scratchpadTrail_, handOver_, platform.log, pressGate_,
                                          platform.scheduler, platform.adapters.mouseEvents},
                      [this] { diagnostics_.afterTick(); }),
      diagnostics_(recognizerHost_.recognizer(), platform.log),
      launcher_(platform.adapters.launcher, platform.log),
      keystrokes_(KeystrokeSenderPorts{platform.adapters.keyboardOut, platform.adapters.clock,
                                       platform.adapters.clipboard, platform.adapters.wallClock,
                                       platform.adapters.files},
                  launcher_, platform.log, files.dataFolder),
      foreground_(platform.adapters.desktop, platform.adapters.windowFocus),
      keyTargets_(
          KeyTargetPorts{platform.adapters.integrity, platform.adapters.desktop, shell.tray(), platform.log}),
      windowCommands_(WindowCommandPorts{platform.adapters.desktop, platform.adapters.windowControl,
                                         keystrokes_, keyTargets_, platform.log}),
      contextMenuCloser_(platform.nestedLoops, platform.log),
      closePopupTimer_(
          platform.scheduler.makeTimer("name popup's timer", [this] { dispatcher_.onClosePopupTimer(); })),
      scratchpadVisibility_(shell.scratchpad().model()),
      dispatcher_(DispatcherPorts{platform.adapters.desktop, platform.adapters.input, platform.adapters.clock,
                                  *closePopupTimer_, namePopup_, contextMenuCloser_, scratchpadVisibility_,
                                  foreground_, keystrokes_, launcher_, files.gestures, platform.log,
                                  keyTargets_, windowCommands_}),
      menu_(platform.nestedLoops),
      helpConfigTimer_(platform.scheduler.makeTimer("help menu's Configure timer",
                                                    [this] { menus_.onHelpConfigTimer(); })),
      menus_(GestureMenusPorts{menu_, namePopup_, platform.adapters.input, platform.adapters.clock,
                               *helpConfigTimer_, platform.nestedLoops, contextMenuCloser_,
                               platform.adapters.desktop, foreground_, files.gestures, recognizer(),
                               shell.configurationPages(), files.programLists, creation, platform.log},
             [this](const std::string& gesture) { dispatcher_.runGesture(gesture, true); }),
      handling_(dispatcher_, menus_),
      switchTimer_(platform.scheduler.makeTimer("Scroll Lock watch", [this] { switch_.onWatchTimer(); })),
      switch_(platform.adapters.input, *switchTimer_, platform.log,
              [this, &shell](bool on) {
                  recognizer().setMonitoringEnabled(on);
                  shell.tray().setGesturesOn(on);
              }),
      foregroundTimer_(
          platform.scheduler.makeTimer("foreground watch", [this] { foregroundWatch_.onTimer(); })),
      foregroundWatch_(platform.adapters.desktop, files.programLists, *foregroundTimer_, platform.log,
                       [&shell](bool quiet) { shell.scratchpad().model().setQuiet(quiet); }),
      recognizerSettings_(recognizer()), scratchpadSettings_(shell.scratchpad().model()),
      lookupSettings_(dispatcher_) {
    // Programs start with a hidden window of ours as the owner of what the shell may show.
    launcher_.setOwnerWindow(reinterpret_cast<WindowId>(shell.tray().hwnd()));
    menus_.setPreview(&menuPreview_);
    // While a menu, a dialog or a wait runs its own message loop, the recognizer does not tick.
    platform.nestedLoops.setObserver(&recognizer());
    // Scroll Lock and "Gestures on" apply at once (Scroll Lock may be on at start).
    switch_.start();
    // Until the settings are read, the recognizer works with the defaults; no tick runs before the message
    // loop.
    files.settings.setConsumers(
        SettingsConsumers{&recognizerSettings_, &scratchpadSettings_, &lookupSettings_, &pressGate_});
    files.settings.load();
    foregroundWatch_.start();
}

GestureRuntime::~GestureRuntime() {
    stop();
    files_.settings.setConsumers({});
    platform_.nestedLoops.setObserver(nullptr);
}

void GestureRuntime::stop() {
    recognizerHost_.stop();
    switch_.stop();
    foregroundWatch_.stop();
}

} // namespace flickmark
