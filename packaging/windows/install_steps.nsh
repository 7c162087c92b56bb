; Steps of the Windows installer beyond CPack's own, inserted by packaging/windows/CMakeLists.txt.

; A reinstall or an upgrade goes into the folder of the install before it, which CPack's installer
; writes under the vendor's key, not into a second copy at the default place. /D= still rules.
InstallDirRegKey HKLM "Software\Vellan Computers\Quillon" ""

; Windows keeps a running program's file open: while it cannot be opened for writing, the program
; in the install folder is running, and replacing its files would fail part way. The user is asked
; to close it; a silent install gives up at once (exit code 2, aborted by the script).
!macro QuillonWaitUntilClosed
  IfFileExists "$INSTDIR\quillon.exe" 0 quillon_not_running
  quillon_check_running:
    ClearErrors
    FileOpen $0 "$INSTDIR\quillon.exe" a
    IfErrors 0 quillon_closed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Vellan Price Calculator is running from $INSTDIR.$\n$\nClose it, then choose Retry." \
      /SD IDCANCEL IDRETRY quillon_check_running
    DetailPrint "Vellan Price Calculator is running from $INSTDIR: nothing was installed."
    Abort
  quillon_closed:
    FileClose $0
  quillon_not_running:
!macroend

; The size shown in the list of installed programs, in KiB: every file the installer wrote belongs
; to its first section.
!macro QuillonRecordSize
  SectionGetSize 0 $0
  WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon" \
    "EstimatedSize" $0
!macroend
