; The per-user installer of Flickmark (no administrator rights): the program into
; %LOCALAPPDATA%\Programs\Flickmark, a Start-menu shortcut, the Uninstall entry and, as an option, the Run
; value that starts Flickmark at sign-in. The data files (*.ini) live beside the exe and are never written
; by the installer; the uninstaller removes them only when the user says so.
;
; Built by scripts/package:
;   makensis -DVERSION=x.y.z -DEXE=... -DREADME=... -DLICENSE=... -DICON=... -DSIDE_PICTURE=...
;     -DCHECK_BOXES=(folder of check-boxes-*.bmp) -DOUTFILE=...
;     installer.nsi
; /S installs with the default components and does not start Flickmark. Over an installed copy the sign-in
; component's default is what the Run value says, so an upgrade keeps the user's choice.
; Exit codes: 0 done, 1 cancelled, 2 aborted (in silent mode: a running Flickmark did not exit, so its exe
; was left alone).

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include Sections.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Flickmark"
!define PUBLISHER "The Flickmark developers"
; Flickmark's hidden window; it ends cleanly (data files written) on the session-end pair of messages.
!define TRAY_CLASS "FlickmarkTray"
!define ENDSESSION_LOGOFF 0x80000000
; Tree-view messages (commctrl.h) for the components list's check boxes.
!define TVM_SETIMAGELIST 0x1109
!define TVSIL_STATE 2
!define TVM_SETITEMHEIGHT 0x111B
!define TVM_GETITEMHEIGHT 0x111C
; How long a running Flickmark is given to exit: steps of 100 ms.
!define EXIT_WAIT_STEPS 100

Name "Flickmark ${VERSION}"
Caption "Flickmark ${VERSION} Setup"
UninstallCaption "Flickmark ${VERSION} Uninstall"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Flickmark"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Flickmark ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Flickmark"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Flickmark setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE_PICTURE}"
!define MUI_WELCOMEPAGE_TEXT "Setup will install Flickmark ${VERSION} for you alone, in your user folder: no administrator rights are needed.$\r$\n$\r$\nA running Flickmark is asked to exit first. Your gestures and settings are kept.$\r$\n$\r$\nClick Next to continue."
; Without descriptions: under Wine's fonts the small description box runs into the branding line, and the
; two components' names say what they do.
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\flickmark.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Flickmark"
!define MUI_FINISHPAGE_TEXT "Flickmark ${VERSION} is installed.$\r$\n$\r$\nIt runs in the notification area of the taskbar, perhaps under the arrow for hidden icons. Double-click its icon for your gestures."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ComponentsShow
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Asks a running Flickmark to exit as at the end of a Windows session, then waits until its window has gone
; and its exe in $INSTDIR could be deleted (a running exe cannot be), at most EXIT_WAIT_STEPS times 100 ms.
; Pushes 1 when $INSTDIR\flickmark.exe is gone, 0 when it is still there (the program still runs).
!macro DEFINE_ASK_FLICKMARK_TO_EXIT prefix
Function ${prefix}AskFlickmarkToExit
    Push $R0
    Push $R1
    FindWindow $R0 "${TRAY_CLASS}"
    ${If} $R0 <> 0
        DetailPrint "Asking the running Flickmark to exit"
        SendMessage $R0 ${WM_QUERYENDSESSION} 0 ${ENDSESSION_LOGOFF} $R1 /TIMEOUT=5000
        SendMessage $R0 ${WM_ENDSESSION} 1 ${ENDSESSION_LOGOFF} $R1 /TIMEOUT=5000
    ${EndIf}
    StrCpy $R1 0
    ${Do}
        FindWindow $R0 "${TRAY_CLASS}"
        ${If} $R0 = 0
            ClearErrors
            Delete "$INSTDIR\flickmark.exe"
            ${IfNot} ${Errors}
                ${Break}
            ${EndIf}
        ${EndIf}
        IntOp $R1 $R1 + 1
        ${If} $R1 >= ${EXIT_WAIT_STEPS}
            ${Break}
        ${EndIf}
        Sleep 100
    ${Loop}
    ${If} ${FileExists} "$INSTDIR\flickmark.exe"
        StrCpy $R0 0
    ${Else}
        StrCpy $R0 1
    ${EndIf}
    Pop $R1
    Exch $R0
FunctionEnd
!macroend
!insertmacro DEFINE_ASK_FLICKMARK_TO_EXIT ""
!insertmacro DEFINE_ASK_FLICKMARK_TO_EXIT "un."

; Pushes 1 when the Run value starts $INSTDIR\flickmark.exe (quoted, alone or followed by arguments such as
; the -data folder the configuration window adds; or unquoted alone), 0 otherwise. == ignores case, as
; Windows does in paths.
!macro DEFINE_RUN_VALUE_STARTS_THIS_COPY prefix
Function ${prefix}RunValueStartsThisCopy
    Push $R0
    Push $R1
    Push $R2
    Push $R3
    ReadRegStr $R0 HKCU "${RUN_KEY}" "Flickmark"
    StrCpy $R1 '"$INSTDIR\flickmark.exe"'
    StrLen $R2 $R1
    StrCpy $R3 $R0 $R2 ; as long as the quoted path
    StrCpy $R2 $R0 1 $R2 ; the character after it
    ${If} $R0 == "$INSTDIR\flickmark.exe"
        StrCpy $R0 1
    ${ElseIf} $R3 != $R1
        StrCpy $R0 0
    ${ElseIf} $R2 == ""
    ${OrIf} $R2 == " "
        StrCpy $R0 1
    ${Else}
        StrCpy $R0 0
    ${EndIf}
    Pop $R3
    Pop $R2
    Pop $R1
    Exch $R0
FunctionEnd
!macroend
!insertmacro DEFINE_RUN_VALUE_STARTS_THIS_COPY ""
!insertmacro DEFINE_RUN_VALUE_STARTS_THIS_COPY "un."

; Until Flickmark has exited: asks the user to close it (Retry) or gives up (Cancel: aborted). In silent mode
; there is nobody to ask: aborted with exit code 2.
!macro WAIT_FOR_FLICKMARK_TO_EXIT prefix
    ${Do}
        Call ${prefix}AskFlickmarkToExit
        Pop $0
        ${If} $0 = 1
            ${Break}
        ${EndIf}
        ${If} ${Silent}
            SetErrorLevel 2
            Quit
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Flickmark is still running and could not be asked to exit.$\n$\nChoose $\"Exit Flickmark$\" in its tray menu, then Retry." \
            /SD IDCANCEL IDRETRY +2
        Abort "Flickmark is still running; nothing was changed."
    ${Loop}
!macroend

Section "Flickmark (required)" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    !insertmacro WAIT_FOR_FLICKMARK_TO_EXIT ""
    File "/oname=flickmark.exe" "${EXE}"
    File "/oname=README.txt" "${README}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Flickmark.lnk" "$INSTDIR\flickmark.exe" "" "$INSTDIR\flickmark.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Flickmark"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\flickmark.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start Flickmark when I sign in" SecStartAtSignIn
    ; The configuration window reads and writes this same value, in this form. A value that starts this copy
    ; already is kept as it is: it may name the data folder the copy was started with.
    Call RunValueStartsThisCopy
    Pop $0
    ${If} $0 = 0
        WriteRegStr HKCU "${RUN_KEY}" "Flickmark" '"$INSTDIR\flickmark.exe"'
    ${EndIf}
SectionEnd

Section "-Finish"
    ${IfNot} ${SectionIsSelected} ${SecStartAtSignIn}
        Call RunValueStartsThisCopy
        Pop $0
        ${If} $0 = 1
            DeleteRegValue HKCU "${RUN_KEY}" "Flickmark"
        ${EndIf}
    ${EndIf}
    ; The program's files only: the user's data files do not belong to the installation.
    ${GetSize} "$INSTDIR" "/M=flickmark.exe /S=0K /G=0" $0 $1 $2
    ${GetSize} "$INSTDIR" "/M=uninstall.exe /S=0K /G=0" $1 $2 $3
    IntOp $0 $0 + $1
    IntOp $0 $0 + 2 ; README.txt and LICENSE.txt
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Over an installed copy, the sign-in component starts as the user left it: ticked only when the Run value
; starts that copy.
; Above 100 % scaling the components list gets check boxes of its scaled size (20, 24 or 32 pixels, from
; packaging/make_check_boxes.py): the installer's own are 16 pixels at every scaling.
Function ComponentsShow
    Push $0
    Push $1
    Push $2
    System::Call 'user32::GetDC(p 0) p .r1'
    System::Call 'gdi32::GetDeviceCaps(p r1, i 90) i .r0' ; LOGPIXELSY
    System::Call 'user32::ReleaseDC(p 0, p r1)'
    ${If} $0 >= 192
        StrCpy $0 32
    ${ElseIf} $0 >= 144
        StrCpy $0 24
    ${ElseIf} $0 >= 120
        StrCpy $0 20
    ${Else}
        StrCpy $0 0
    ${EndIf}
    ${If} $0 <> 0
        InitPluginsDir
        File "/oname=$PLUGINSDIR\check-boxes-20.bmp" "${CHECK_BOXES}\check-boxes-20.bmp"
        File "/oname=$PLUGINSDIR\check-boxes-24.bmp" "${CHECK_BOXES}\check-boxes-24.bmp"
        File "/oname=$PLUGINSDIR\check-boxes-32.bmp" "${CHECK_BOXES}\check-boxes-32.bmp"
        ; LR_LOADFROMFILE; ILC_COLOR32 | ILC_MASK, magenta transparent
        System::Call 'user32::LoadImageW(p 0, w "$PLUGINSDIR\check-boxes-$0.bmp", i 0, i 0, i 0, i 0x10) p .r1'
        ${If} $1 P<> 0
            System::Call 'comctl32::ImageList_Create(i r0, i r0, i 0x21, i 6, i 0) p .r2'
            System::Call 'comctl32::ImageList_AddMasked(p r2, p r1, i 0xFF00FF)'
            System::Call 'gdi32::DeleteObject(p r1)'
            FindWindow $1 "#32770" "" $HWNDPARENT
            GetDlgItem $1 $1 1032 ; the components list
            SendMessage $1 ${TVM_SETIMAGELIST} ${TVSIL_STATE} $2
            SendMessage $1 ${TVM_GETITEMHEIGHT} 0 0 $2
            IntOp $0 $0 + 2
            ${If} $2 < $0
                SendMessage $1 ${TVM_SETITEMHEIGHT} $0 0
            ${EndIf}
        ${EndIf}
    ${EndIf}
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

Function .onInit
    ${If} ${FileExists} "$INSTDIR\flickmark.exe"
        Call RunValueStartsThisCopy
        Pop $0
        ${If} $0 = 0
            !insertmacro UnselectSection ${SecStartAtSignIn}
        ${EndIf}
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !insertmacro WAIT_FOR_FLICKMARK_TO_EXIT "un."
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    Delete "$SMPROGRAMS\Flickmark.lnk"
    ; Only a Run value that starts this copy: another copy may have been set to start at sign-in since.
    Call un.RunValueStartsThisCopy
    Pop $0
    ${If} $0 = 1
        DeleteRegValue HKCU "${RUN_KEY}" "Flickmark"
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
        "Also remove your gestures and settings?$\n$\nThey are the .ini files in $INSTDIR. Choose No to keep them for a later installation." \
        /SD IDNO IDNO keep_data
    Delete "$INSTDIR\Gestures.ini"
    Delete "$INSTDIR\Gestures_*.ini"
    Delete "$INSTDIR\defaults.ini"
    Delete "$INSTDIR\disabled.ini"
    Delete "$INSTDIR\noright.ini"
    Delete "$INSTDIR\fullscreen.ini"
    Delete "$INSTDIR\exepaste.ini"
    ; Temporary files of a save that a killed Flickmark left behind.
    Delete "$INSTDIR\*.~fmk*.tmp"
keep_data:
    RMDir "$INSTDIR" ; only when empty
SectionEnd
