// SPDX-License-Identifier: GPL-3.0-or-later
// Linked with the whole of one folder's library and only what it may use:
// a call into a folder it may not use leaves an undefined reference.
int main() { return 0; }
