# The progress window (Win32 only).
