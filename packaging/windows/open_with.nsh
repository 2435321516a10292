; "Open with" for IOB files: the desktop program's own file type (ProgID),
; listed among the types that can open ".iob" without taking over the
; default program for it, which stays the user's choice.
; SHCTX is the machine's classes for an administrator's installation, the
; user's otherwise.

!define IOB_PROG_ID "IobToQuorvane.iob"
; SHCNE_ASSOCCHANGED: Explorer re-reads the associations at once.
!define IOB_NOTIFY_ASSOCIATIONS "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"

!macro RegisterOpenWith
  WriteRegStr SHCTX "Software\Classes\${IOB_PROG_ID}" "" "IOB file"
  WriteRegStr SHCTX "Software\Classes\${IOB_PROG_ID}\shell\open" "FriendlyAppName" "IobToQuorvane"
  WriteRegStr SHCTX "Software\Classes\${IOB_PROG_ID}\shell\open\command" "" '"$INSTDIR\IobToQuorvane.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\.iob\OpenWithProgids" "${IOB_PROG_ID}" ""
  System::Call "${IOB_NOTIFY_ASSOCIATIONS}"
!macroend

; What other programs registered for ".iob" stays.
!macro UnregisterOpenWith
  DeleteRegKey SHCTX "Software\Classes\${IOB_PROG_ID}"
  DeleteRegValue SHCTX "Software\Classes\.iob\OpenWithProgids" "${IOB_PROG_ID}"
  DeleteRegKey /ifnosubkeys /ifnovalues SHCTX "Software\Classes\.iob\OpenWithProgids"
  DeleteRegKey /ifnosubkeys /ifnovalues SHCTX "Software\Classes\.iob"
  System::Call "${IOB_NOTIFY_ASSOCIATIONS}"
!macroend
