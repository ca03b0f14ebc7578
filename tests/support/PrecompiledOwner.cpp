// SPDX-License-Identifier: GPL-3.0-or-later
// The precompiled headers of the tests are built with this file's target and reused by every test
// program; the file itself holds nothing.
