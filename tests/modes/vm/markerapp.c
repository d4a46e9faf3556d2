/* A UEFI application for the boot tests: prints a marker on the firmware console (which OVMF
   mirrors to the serial port) and powers the machine off. The offsets are those of the x64
   EFI_SYSTEM_TABLE, EFI_RUNTIME_SERVICES and text output protocol. */
typedef unsigned long long u64;
typedef unsigned short char16;
typedef u64 (*OutputString)(void* self, const char16* text);
typedef void (*ResetSystem)(int type, u64 status, u64 dataSize, void* data);

enum {
    SystemTableConOut = 64,
    SystemTableRuntimeServices = 88,
    TextOutputOutputString = 8,
    RuntimeResetSystem = 104,
    EfiResetShutdown = 2
};

static void* field(void* table, int offset) { return *(void**)((char*)table + offset); }

u64 efi_main(void* image, void* systemTable)
{
    (void)image;
    void* conOut = field(systemTable, SystemTableConOut);
    ((OutputString)field(conOut, TextOutputOutputString))(conOut, (const char16*)L"\r\nTESSARIN-BOOT-OK\r\n");
    void* runtime = field(systemTable, SystemTableRuntimeServices);
    ((ResetSystem)field(runtime, RuntimeResetSystem))(EfiResetShutdown, 0, 0, 0);
    return 0;
}
