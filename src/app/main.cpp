#include <cstdio>

int main()
{
    std::printf("Viel Spass mit Korvel ....\n");
    return 0;
}
