; The Windows installer: NSIS builds it from the folder a user copies (the
; zip's), with the lists of its files that scripts/check-windows.sh writes.
; makensis -DVERSION=1.0.0 -DICON=<tintwright.ico> -DFILES=<files.nsh>
;          -DREMOVE=<remove.nsh> -DOUTFILE=<setup.exe> tintwright.nsi
; It installs for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Tintwright: the program folder, a Start menu
; shortcut, "Open with Tintwright" for .ask files (it does not take .ask over
; from Live) and an entry in "Apps & features". Silent: /S, and Uninstall.exe /S.
; Uninstalling removes every file, shortcut and key it added and nothing else:
; a theme saved into the program's folder stays, and so does the folder then.

Target amd64-unicode ; a 64-bit installer for the 64-bit program
SetCompressor /SOLID lzma
RequestExecutionLevel user
Name "Tintwright ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tintwright"
Icon "${ICON}"
UninstallIcon "${ICON}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Tintwright"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Tintwright ${VERSION} Setup"
VIAddVersionKey "LegalCopyright" "MIT licence"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintwright"
!define APPLICATION_KEY "Software\Classes\Applications\tintwright.exe"
!define OPEN_WITH_KEY "Software\Classes\.ask\OpenWithList\tintwright.exe"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Tintwright"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Tintwright.lnk" "$INSTDIR\tintwright.exe" "" "$INSTDIR\tintwright.exe" 0
    ; "Open with": the program knows .ask files; Live keeps the default.
    WriteRegStr HKCU "${APPLICATION_KEY}" "FriendlyAppName" "Tintwright"
    WriteRegStr HKCU "${APPLICATION_KEY}\SupportedTypes" ".ask" ""
    WriteRegStr HKCU "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\tintwright.exe" "%1"'
    WriteRegStr HKCU "${OPEN_WITH_KEY}" "" ""
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tintwright"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Tintwright developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tintwright.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    !include "${REMOVE}"
    Delete "$SMPROGRAMS\Tintwright.lnk"
    DeleteRegKey HKCU "${APPLICATION_KEY}"
    DeleteRegKey HKCU "${OPEN_WITH_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Classes\.ask\OpenWithList"
    DeleteRegKey /ifempty HKCU "Software\Classes\.ask"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
