; The Windows installer of Tesmolen: the program and the rule-file tool under Program Files, a
; Start-menu shortcut, and an uninstaller listed among the installed programs. Made by
; scripts/package-windows (makensis) with these definitions:
;   VERSION   the program's version, as in "2.0.0.0"
;   PROGRAMS  the folder that holds tesmolen.exe and tesmolen-rulefile.exe
;   ICON      the program icon
;   OUTFILE   the installer to write

Unicode true
SetCompressor /SOLID lzma

!define PRODUCT "Tesmolen"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
; Program Files and the machine's own registry need an administrator, as the program itself does.
RequestExecutionLevel admin
InstallDir "$PROGRAMFILES\${PRODUCT}"
ShowInstDetails show
ShowUninstDetails show

LoadLanguageFile "${NSISDIR}\Contrib\Language files\SimpChinese.nlf"
; The language file names the font by its Chinese name; the English one is found on every Windows
; that has it, whatever its display language.
SetFont /LANG=${LANG_SIMPCHINESE} "SimSun" 9

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${PRODUCT}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles
; The uninstall page tells the user that the backup stays (see the uninstall section).
UninstallText "卸载不会删除备份文件 bak.ad。"

Section
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${PROGRAMS}\tesmolen.exe"
    File "${PROGRAMS}\tesmolen-rulefile.exe"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; Started from the shortcut, the program keeps its backup file bak.ad in its own folder.
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\tesmolen.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tesmolen.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\tesmolen.exe"
    Delete "$INSTDIR\tesmolen-rulefile.exe"
    Delete "$INSTDIR\uninstall.exe"
    ; A backup the user made (bak.ad) stays, and with it the folder.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
