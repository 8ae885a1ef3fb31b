// The source of the shared precompiled headers: they are built with it, once per build.
