; Boot code for the boot tests, written over bytes 90..509 of a FAT32 or NTFS boot sector (the
; jump at byte 0 of both lands at byte 90 for FAT32; NTFS's jump is rewritten by the test).
; Loaded at 0000:7C00 by the MBR with the drive in DL, it reads sector "hidden sectors" (BPB
; offset 0x1C) of the disk and compares it with itself: a volume copied to another place only
; finds itself when its hidden sectors were set to its new start. Prints the verdict on COM1 and
; powers the machine off through the isa-debug-exit device (or halts without one).
; Assemble: nasm -f bin -o markerboot.bin markerboot.asm   (at most 420 bytes)

        bits 16
        org 0x7C5A

LOAD_ADDR       equ 0x7C00
HIDDEN_SECTORS  equ LOAD_ADDR + 0x1C
COPY_ADDR       equ 0x8000
DAP_ADDR        equ 0x7E00          ; outside the sector, which must stay as it was read
COM1            equ 0x3F8
DEBUG_EXIT      equ 0xF4

start:
        cli
        xor     ax, ax
        mov     ds, ax
        mov     es, ax
        mov     ss, ax
        mov     sp, LOAD_ADDR
        sti
        cld
        mov     si, dap
        mov     di, DAP_ADDR
        mov     cx, dap_end - dap
        rep movsb
        mov     eax, [HIDDEN_SECTORS]
        mov     [DAP_ADDR + 8], eax
        mov     si, DAP_ADDR
        mov     ah, 0x42
        int     0x13
        jc      mismatch
        mov     si, LOAD_ADDR
        mov     di, COPY_ADDR
        mov     cx, 256
        repe cmpsw
        jne     mismatch
        mov     si, msg_ok
        jmp     report
mismatch:
        mov     si, msg_bad
report:
        lodsb
        test    al, al
        jz      power_off
        mov     bl, al
        mov     dx, COM1 + 5
.wait:
        in      al, dx
        test    al, 0x20
        jz      .wait
        mov     al, bl
        mov     dx, COM1
        out     dx, al
        jmp     report
power_off:
        mov     al, 0
        out     DEBUG_EXIT, al
.halt:
        hlt
        jmp     .halt

dap:    db      16, 0
        dw      1
        dw      COPY_ADDR, 0
        dd      0, 0            ; LBA, filled in the copy
dap_end:

msg_ok:  db      13, 10, "TESSARIN-BOOT-OK", 13, 10, 0
msg_bad: db      13, 10, "TESSARIN-BOOT-WRONG-HIDDEN-SECTORS", 13, 10, 0
