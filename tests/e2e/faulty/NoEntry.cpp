// A library named like the host's component that loads but exports no
// class-object entry.
extern "C" int KestovaNotAComponent()
{
    return 0;
}
