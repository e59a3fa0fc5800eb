; The installer of the Tikora Clock screen saver. cmake/WindowsInstaller.cmake builds it:
;   makensis -DSCREEN_SAVER=tikora-clock.scr -DICON=tikora-clock.ico -DVERSION=0.1
;            -DVERSION_NUMBERS=0.1.0.0 -DOUTPUT=tikora-clock-setup.exe tikora-clock.nsi
; It puts the screen saver where Screen Saver Settings lists screen savers, in the 64-bit
; System32, and registers its uninstaller under "Apps & features". The installer is itself a
; 64-bit program: a 32-bit one would write to the SysWOW64 folder and the 32-bit registry view,
; and under Wine it reports success and installs nothing. "/S" installs silently, with the
; sections that are chosen by default.
Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include x64.nsh

!define PRODUCT "Tikora Clock"
!define PUBLISHER "The Tikora Clock developers"
!define SCREEN_SAVER_NAME "tikora-clock.scr"
!define UNINSTALLER_NAME "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define DESKTOP_KEY "Control Panel\Desktop"
; The user's screen saver from before the clock was made the current one, kept in the uninstall
; key so that the uninstaller puts it back ("" when there was none).
!define PREVIOUS_SAVER "PreviousScreenSaver"
!define PREVIOUS_ACTIVE "PreviousScreenSaveActive"
; SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, NULL, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_SEND 3
; How long the uninstaller waits for its original to end: 50 tries, 100 ms apart.
!define UNINSTALLER_END_TRIES 50
!define UNINSTALLER_END_PAUSE_MS 100

Name "${PRODUCT}"
OutFile "${OUTPUT}"
Icon "${ICON}"
UninstallIcon "${ICON}"
RequestExecutionLevel admin
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_NUMBERS}"
VIFileVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"

Page components
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Both the installer and the uninstaller see the real System32 and the 64-bit registry. A 64-bit
; process has neither redirected; this says so for whoever reads or changes the script.
!macro SeeNativeSystem
    ${DisableX64FSRedirection}
    SetRegView 64
!macroend

Section "${PRODUCT}" SectionScreenSaver
    SectionIn RO
    !insertmacro SeeNativeSystem
    SetOutPath "$SYSDIR"
    File "/oname=${SCREEN_SAVER_NAME}" "${SCREEN_SAVER}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER_NAME}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER_NAME}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER_NAME}" /S'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$SYSDIR\${SCREEN_SAVER_NAME},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; In KiB: the screen saver, as packed into this section.
    SectionGetSize ${SectionScreenSaver} $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The values are the user's who runs the installer: with UAC that is the signed-in user, unless
; an administrator of another account elevates it.
Section "Make it the current screen saver" SectionCurrent
    !insertmacro SeeNativeSystem
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ; Installed anew over itself, the clock keeps the screen saver that was there before it.
    ${If} $0 != "$SYSDIR\${SCREEN_SAVER_NAME}"
        WriteRegStr HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}" $0
        ReadRegStr $0 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
        WriteRegStr HKLM "${UNINSTALL_KEY}" "${PREVIOUS_ACTIVE}" $0
    ${EndIf}
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$SYSDIR\${SCREEN_SAVER_NAME}"
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
    ; Tells the running session, as Screen Saver Settings does.
    System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, \
                  i ${SPIF_UPDATE_AND_SEND})"
SectionEnd

; Puts back the user's screen saver, or clears the value where there was none, but only while the
; clock is still the current one: Screen Saver Settings writes the file's short name.
Function un.RestoreScreenSaver
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    GetFullPathName /SHORT $1 "$SYSDIR\${SCREEN_SAVER_NAME}"
    ${If} $0 == ""
        Return
    ${EndIf}
    ${If} $0 != "$SYSDIR\${SCREEN_SAVER_NAME}"
    ${AndIf} $0 != $1
        Return
    ${EndIf}
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "${PREVIOUS_ACTIVE}"
    ${If} $0 == ""
        DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
        WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
    ${EndIf}
    ${If} $1 == ""
        DeleteRegValue HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    ${Else}
        WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" $1
    ${EndIf}
FunctionEnd

; The uninstaller runs from a copy of itself in the temporary folder, which its original starts
; before it ends: the original's file can be deleted only once it has ended, and Delete sets the
; error flag while it runs. If it still runs after the last try, it goes when Windows starts next.
Function un.DeleteUninstaller
    StrCpy $0 0
    ${Do}
        ClearErrors
        Delete "$INSTDIR\${UNINSTALLER_NAME}"
        ${IfNot} ${Errors}
            Return
        ${EndIf}
        IntOp $0 $0 + 1
        ${If} $0 >= ${UNINSTALLER_END_TRIES}
            Delete /REBOOTOK "$INSTDIR\${UNINSTALLER_NAME}"
            RMDir /REBOOTOK "$INSTDIR"
            Return
        ${EndIf}
        Sleep ${UNINSTALLER_END_PAUSE_MS}
    ${Loop}
FunctionEnd

Section "Uninstall"
    !insertmacro SeeNativeSystem
    Call un.RestoreScreenSaver
    ; A screen saver that runs now is removed when Windows starts next.
    Delete /REBOOTOK "$SYSDIR\${SCREEN_SAVER_NAME}"
    Call un.DeleteUninstaller
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
