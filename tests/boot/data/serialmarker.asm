; Test partition boot sector: writes a marker to COM2 (COM1 carries the BIOS console) and, to check the hand-over,
; whether DS:SI pointed at an active (0x80) partition entry.
        bits 16
        org 0x7C00
        mov     bl, [si]            ; flag byte of the entry the MBR handed over
        xor     ax, ax
        mov     ds, ax
        mov     si, marker
.next:
        lodsb
        test    al, al
        jz      .flag
        call    putc
        jmp     .next
.flag:
        mov     al, 'Y'
        cmp     bl, 0x80
        je      .put
        mov     al, 'N'
.put:
        call    putc
        mov     al, 10
        call    putc
.halt:
        hlt
        jmp     .halt
putc:
        mov     dx, 0x2FD           ; line status: wait until the transmitter is empty
        mov     ah, al
.wait:
        in      al, dx
        test    al, 0x20
        jz      .wait
        mov     al, ah
        mov     dx, 0x2F8
        out     dx, al
        ret
marker: db "TESSARIN-PBR-OK entry-active=", 0
        times 510 - ($ - $$) db 0
        dw 0xAA55
